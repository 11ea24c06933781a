#pragma once
#include "platform/Dialogs.h"

namespace zamt {

// File dialogs as QFileDialog.
class QtDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
};

// "caption|pattern" as a QFileDialog name filter "caption (pattern)".
QString qtNameFilter(const QString& filter);

} // namespace zamt
