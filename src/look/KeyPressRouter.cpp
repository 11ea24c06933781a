#include "look/KeyPressRouter.h"

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
    case Qt::Key_Delete: // may carry the text DEL (127), yet types nothing
        return 0;
    default:
        break;
    }
    // Ctrl with a letter types its control character (Ctrl+C 3, Ctrl+V 22),
    // whatever text the platform attaches to the event; that is what keeps
    // the copy, paste, cut and undo shortcuts out of a filtered box. Ctrl
    // with Alt is AltGr on some keyboards and types the letter's character.
    const auto modifiers = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (modifiers == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return static_cast<char>(event.key() - Qt::Key_A + 1);
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
