#pragma once
// Message boxes as lines on the error output, for a run without windows:
// "zamt05: " and the box's text on one line (its line breaks as blanks),
// with the caption before the text when it is not the program's name.
#include "platform/MessageBoxes.h"

namespace zamt {

class ErrorOutputBoxes : public MessageBoxes {
public:
    void show(const MessageBox& box) override;
    // How many boxes were shown, so a caller can tell that a step failed.
    int shown() const { return shown_; }
    // What the boxes from now on are about (a file): named after "zamt05: "
    // unless the text names it already. Empty: nothing is named.
    void setSubject(const QString& subject) { subject_ = subject; }

private:
    int shown_ = 0;
    QString subject_;
};

} // namespace zamt
