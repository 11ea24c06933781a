#pragma once
#include "platform/Dialogs.h"

namespace zamt {

// File dialogs as QFileDialog, the printer set-up as QPrintDialog.
class QtDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
    std::optional<SaveFileAnswer> saveFile(QWidget* parent,
                                           const SaveFileRequest& request) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> inputText(QWidget* parent, const InputTextRequest& request) override;
};

// "caption|pattern" as a QFileDialog name filter "caption (pattern)".
QString qtNameFilter(const QString& filter);

} // namespace zamt
