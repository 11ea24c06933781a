#include "calc/KeyPressRouter.h"

#include "platform/CodePage.h"
#include "platform/HandlerGuard.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zamt {
namespace {

// The character a key event types, as one Windows-1251 byte; 0 for keys
// that type none.
char typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return static_cast<char>(cp1251Byte(text.at(0)));
}

} // namespace

void KeyPressRouter::route(QLineEdit* box, Handler handler) {
    handlers_[box] = std::move(handler);
    box->installEventFilter(this);
}

bool KeyPressRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto found = handlers_.find(watched);
    if (found == handlers_.end())
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const char typed = typedCharacter(*keyEvent);
    if (typed == 0)
        return false;
    char key = typed;
    bool failed = true;
    runGuarded([&] {
        found->second(key);
        failed = false;
    });
    if (failed || key == 0)
        return true;
    if (key == typed)
        return false; // the box handles its own key
    static_cast<QLineEdit*>(watched)->insert(fromCp1251(std::string_view(&key, 1)));
    return true;
}

void moveFocusTo(QWidget* target) { target->setFocus(Qt::TabFocusReason); }

} // namespace zamt
