#include "look/KeyPressRouter.h"

#include "platform/CodePage.h"
#include "platform/HandlerGuard.h"
#include "platform/TypedCharacter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zamt {
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
    const auto character = typedCharacter(keyEvent->key(), keyEvent->modifiers(), keyEvent->text());
    if (!character) {
        // A chord that types nothing (Alt or Meta with a letter) must not
        // put its letter into the box past the handler either; the box's
        // own keys (Tab, Delete, arrows) carry no printable text.
        const QString text = keyEvent->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
    const char typed = static_cast<char>(cp1251Byte(QChar(*character)));
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

void moveFocusTo(QWidget* target) {
    target->setFocus(Qt::TabFocusReason);
}

} // namespace zamt
