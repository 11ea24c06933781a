#include "platform/TypedCharacter.h"

namespace zamt {

std::optional<char16_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text) {
    // The keypad flag says where a key lies, not how it is chorded.
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    if ((alt && !ctrl) || (modifiers & Qt::MetaModifier))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CharEnter;
    case Qt::Key_Escape:
        return CharEscape;
    case Qt::Key_Backspace:
        return CharBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: // may carry the text DEL (127), yet types nothing
        return std::nullopt;
    default:
        break;
    }
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return char16_t(key - Qt::Key_A + 1);
        return std::nullopt;
    }
    if (text.isEmpty())
        return std::nullopt;
    return char16_t(text.at(0).unicode());
}

} // namespace zamt
