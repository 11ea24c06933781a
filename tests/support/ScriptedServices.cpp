#include "support/ScriptedServices.h"

namespace zamt::test {

void ScriptedMessageBoxes::show(const MessageBox& box) {
    shown.push_back(box);
    if (onShow)
        onShow(box);
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const OpenFileRequest& request) {
    requests.push_back(request);
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<SaveFileAnswer> ScriptedDialogs::saveFile(QWidget*, const SaveFileRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::printerSetup(QWidget*, QPrinter& printer) {
    ++printerSetups;
    if (printerSetupAnswers.empty())
        return false;
    auto answer = std::move(printerSetupAnswers.front());
    printerSetupAnswers.pop_front();
    return answer && answer(printer);
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const InputTextRequest& request) {
    inputRequests.push_back(request);
    if (inputAnswers.empty())
        return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

namespace {
template <class T>
T& installed(std::unique_ptr<T>& previous, std::unique_ptr<T> (*install)(std::unique_ptr<T>),
             std::unique_ptr<T> fresh) {
    T& ref = *fresh;
    previous = install(std::move(fresh));
    return ref;
}
} // namespace

ScriptedServices::ScriptedServices()
    : boxes(static_cast<ScriptedMessageBoxes&>(installed<MessageBoxes>(
          previousBoxes_, installMessageBoxes, std::make_unique<ScriptedMessageBoxes>()))),
      dialogs(static_cast<ScriptedDialogs&>(installed<Dialogs>(
          previousDialogs_, installDialogs, std::make_unique<ScriptedDialogs>()))) {}

ScriptedServices::~ScriptedServices() {
    installMessageBoxes(std::move(previousBoxes_));
    installDialogs(std::move(previousDialogs_));
}

} // namespace zamt::test

namespace zamt {
void PrintTo(const MessageBox& box, std::ostream* out) {
    *out << "{kind " << int(box.kind) << ", \"" << box.caption.toStdString() << "\", \""
         << box.text.toStdString() << "\"}";
}
} // namespace zamt
