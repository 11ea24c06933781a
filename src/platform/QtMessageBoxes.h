#pragma once
#include "platform/MessageBoxes.h"

namespace zamt {

// Message boxes as QMessageBox, parented to the active window.
class QtMessageBoxes : public MessageBoxes {
public:
    void show(const MessageBox& box) override;
};

} // namespace zamt
