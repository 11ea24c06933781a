#pragma once
// Scripted platform services for tests: message boxes are recorded and
// answered at once; file dialogs and input boxes answer from a queue
// (empty: cancel).
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

namespace zamt::test {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    void show(const MessageBox& box) override;
    std::vector<MessageBox> shown;
    // Runs while a box is "open", e.g. to look at a file before the box closes.
    std::function<void(const MessageBox&)> onShow;
};

class ScriptedDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
    std::deque<std::optional<QString>> answers; // nullopt or missing: cancelled
    std::vector<OpenFileRequest> requests;

    std::optional<SaveFileAnswer> saveFile(QWidget* parent,
                                           const SaveFileRequest& request) override;
    std::deque<std::optional<SaveFileAnswer>> saveAnswers; // nullopt or missing: cancelled
    std::vector<SaveFileRequest> saveRequests;

    // The person at the printer set-up dialog: changes the printer's settings
    // and says whether to confirm. Missing: cancelled.
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    std::deque<std::function<bool(QPrinter&)>> printerSetupAnswers;
    int printerSetups = 0;

    std::optional<QString> inputText(QWidget* parent, const InputTextRequest& request) override;
    std::deque<std::optional<QString>> inputAnswers; // nullopt or missing: cancelled
    std::vector<InputTextRequest> inputRequests;
};

// Installs both scripted services for the lifetime of the object and puts
// the previous ones back afterwards.
class ScriptedServices {
    // Declared first: the constructor fills them while installing.
    std::unique_ptr<MessageBoxes> previousBoxes_;
    std::unique_ptr<Dialogs> previousDialogs_;

public:
    ScriptedServices();
    ~ScriptedServices();
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    ScriptedMessageBoxes& boxes;
    ScriptedDialogs& dialogs;
};

} // namespace zamt::test

namespace zamt {
// A shown box in a failure message: its kind, caption and text.
void PrintTo(const MessageBox& box, std::ostream* out);
} // namespace zamt
