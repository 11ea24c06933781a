#pragma once
// The system's file dialogs, as one service: the program installs the Qt one,
// tests install a scripted one that answers without a person.
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace zamt {

struct OpenFileRequest {
    QString filter;      // "caption|pattern", as the window layouts give it
    QString initialDir;  // empty: the dialog's own choice
    QString fileName;    // preselected file name, empty for none
    bool mustExist = true;
    bool operator==(const OpenFileRequest&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;
};

Dialogs& dialogs();
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> dialogs);

} // namespace zamt
