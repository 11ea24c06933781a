#include "platform/Dialogs.h"

namespace zamt {
namespace {

// Until the program installs its service every dialog is cancelled.
class CancellingDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget*, const OpenFileRequest&) override { return {}; }
    std::optional<SaveFileAnswer> saveFile(QWidget*, const SaveFileRequest&) override { return {}; }
    bool printerSetup(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> inputText(QWidget*, const InputTextRequest&) override { return {}; }
};

std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> instance = std::make_unique<CancellingDialogs>();
    return instance;
}

} // namespace

Dialogs& dialogs() {
    return *current();
}

std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> replacement) {
    std::swap(current(), replacement);
    return replacement;
}

} // namespace zamt
