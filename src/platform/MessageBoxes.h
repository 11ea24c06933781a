#pragma once
// The program's message boxes. Every box goes through the installed
// MessageBoxes service: the program installs the Qt one, tests install a
// scripted one that records each box and answers it.
#include <QString>
#include <memory>

namespace zamt {

inline const QString kAppTitle = QStringLiteral("zamt05");

enum class BoxKind { Plain, Error, Warning, Information };

struct MessageBox {
    BoxKind kind = BoxKind::Plain;
    QString caption;
    QString text;
    bool operator==(const MessageBox&) const = default;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally with one OK button and returns when it is closed.
    virtual void show(const MessageBox& box) = 0;
};

MessageBoxes& messageBoxes();
// Installs a service and returns the one it replaces.
std::unique_ptr<MessageBoxes> installMessageBoxes(std::unique_ptr<MessageBoxes> boxes);

// A refusal: application title, no icon.
void showMessage(const QString& text);
// The standard error box: error icon, application title, the message after
// standardErrorText.
void showErrorBox(const QString& message);
void showWarning(const QString& text);     // caption "Warning"
void showInformation(const QString& text); // caption "Information"

// A full stop is added when the message ends in a character whose code in the
// 8-bit code page is above that of '.'.
QString standardErrorText(const QString& message);

} // namespace zamt
