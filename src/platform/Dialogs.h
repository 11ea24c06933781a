#pragma once
// The system's file dialogs, as one service: the program installs the Qt one,
// tests install a scripted one that answers without a person.
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace zamt {

struct OpenFileRequest {
    QString filter;     // "caption|pattern", as the window layouts give it
    QString initialDir; // empty: the dialog's own choice
    QString fileName;   // preselected file name, empty for none
    bool mustExist = true;
    QString title;            // empty: the dialog's own
    QString defaultExtension; // ".rps": tried for a name typed without one
    bool operator==(const OpenFileRequest&) const = default;
};

struct SaveFileRequest {
    QString title;            // empty: the dialog's own
    QString filter;           // "caption|pattern|caption|pattern..."
    int filterIndex = 1;      // the entry preselected, from 1
    QString defaultExtension; // ".rps": added to a name typed without one
    QString fileName;         // preselected file name, empty for none
    bool confirmOverwrite = true;
    bool operator==(const SaveFileRequest&) const = default;
};

struct SaveFileAnswer {
    QString fileName;    // full path
    int filterIndex = 1; // the entry chosen, from 1
    bool operator==(const SaveFileAnswer&) const = default;
};

// A one-line text asked for in a box of its own.
struct InputTextRequest {
    QString title;
    QString prompt;
    QString text; // the answer offered
    bool operator==(const InputTextRequest&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;
    // The file to write and the filter chosen, or nothing when cancelled.
    virtual std::optional<SaveFileAnswer> saveFile(QWidget* parent,
                                                   const SaveFileRequest& request) = 0;
    // The printer set-up dialog over `printer`, whose printer and settings
    // the user may change. True when the user confirms; then `printer`
    // holds the choice.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
    // The text the user gives, or nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const InputTextRequest& request) = 0;
};

Dialogs& dialogs();
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> dialogs);

} // namespace zamt
