#pragma once
// The character a key press types, the way Windows turns keys into the
// characters its key-press handlers see. The edit boxes' filters and the
// preview window's keys judge what this gives.
#include <QString>
#include <Qt>
#include <optional>

namespace zamt {

inline constexpr char16_t CharBackspace = u'\b';
inline constexpr char16_t CharEnter = u'\r';
inline constexpr char16_t CharEscape = u'\x1b';

// Enter, Esc and Backspace type their control characters; Ctrl with a
// letter types the letter's control character (Ctrl+C 3, Ctrl+V 22)
// whatever text the platform attaches; Ctrl with Alt is AltGr and types the
// event's text, as does a key without Ctrl. Nothing is typed by keys
// without text (arrows), by Tab and Delete (the control's own keys), by
// Ctrl with any other key, and by chords of Alt without Ctrl or of Meta:
// those belong to the menus and the system.
std::optional<char16_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text);

} // namespace zamt
