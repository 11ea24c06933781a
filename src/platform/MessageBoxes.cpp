#include "platform/MessageBoxes.h"

#include "platform/CodePage.h"

#include <cstdio>

namespace zamt {
namespace {

// Until the program installs its service, boxes go to stderr.
class StderrMessageBoxes : public MessageBoxes {
public:
    void show(const MessageBox& box) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(box.caption), qUtf8Printable(box.text));
    }
};

std::unique_ptr<MessageBoxes>& current() {
    static std::unique_ptr<MessageBoxes> boxes = std::make_unique<StderrMessageBoxes>();
    return boxes;
}

} // namespace

MessageBoxes& messageBoxes() { return *current(); }

std::unique_ptr<MessageBoxes> installMessageBoxes(std::unique_ptr<MessageBoxes> boxes) {
    std::swap(current(), boxes);
    return boxes;
}

void showMessage(const QString& text) { messageBoxes().show({BoxKind::Plain, kAppTitle, text}); }

void showErrorBox(const QString& message) {
    messageBoxes().show({BoxKind::Error, kAppTitle, standardErrorText(message)});
}

void showWarning(const QString& text) {
    messageBoxes().show({BoxKind::Warning, QStringLiteral("Warning"), text});
}

void showInformation(const QString& text) {
    messageBoxes().show({BoxKind::Information, QStringLiteral("Information"), text});
}

QString standardErrorText(const QString& message) {
    if (message.isEmpty())
        return message;
    if (cp1251Byte(message.back()) > static_cast<unsigned char>('.'))
        return message + QLatin1Char('.');
    return message;
}

} // namespace zamt
