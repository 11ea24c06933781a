#pragma once
// The hourglass while a piece of work runs, the previous cursor afterwards
// (also when the work fails). Without a GUI application it does nothing.
namespace zamt {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = false;
};

} // namespace zamt
