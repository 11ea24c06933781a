// The one rule by which key presses become characters, for the edit boxes'
// filters and the preview window's keys alike.
#include "platform/TypedCharacter.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

TEST(TypedCharacter, KeysChordsAndTheirCharacters) {
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    const Qt::KeyboardModifiers meta = Qt::MetaModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // UTF-8
        std::optional<char16_t> expected;
    } cases[] = {
        {Qt::Key_N, none, "n", u'n'},
        {Qt::Key_N, Qt::ShiftModifier, "N", u'N'},
        {Qt::Key_Plus, Qt::KeypadModifier, "+", u'+'},
        {Qt::Key_5, Qt::KeypadModifier, "5", u'5'},
        {0x436, none, "ж", u'ж'}, // a Cyrillic layout
        {Qt::Key_Return, none, "\r", u'\r'},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", u'\r'},
        {Qt::Key_Escape, none, "\x1b", u'\x1b'},
        {Qt::Key_Backspace, none, "\b", u'\b'},
        {Qt::Key_Tab, none, "\t", std::nullopt},
        {Qt::Key_Delete, none, "\x7f", std::nullopt},
        {Qt::Key_Left, none, "", std::nullopt},
        // Ctrl with a letter: its control character, whatever the text.
        {Qt::Key_C, ctrl, "\x03", u'\x03'},
        {Qt::Key_C, ctrl, "", u'\x03'},
        {Qt::Key_V, ctrl, "v", u'\x16'},
        {Qt::Key_Z, ctrl | Qt::ShiftModifier, "\x1a", u'\x1a'},
        {Qt::Key_5, ctrl, "5", std::nullopt},
        {Qt::Key_Home, ctrl, "", std::nullopt},
        {Qt::Key_Return, ctrl, "\r", u'\r'},
        // Alt alone is the menus': no character, not even Enter or Esc.
        {Qt::Key_F, alt, "f", std::nullopt},
        {Qt::Key_Return, alt, "\r", std::nullopt},
        {Qt::Key_Escape, alt, "\x1b", std::nullopt},
        // AltGr types what the layout puts there.
        {Qt::Key_E, altGr, "€", u'€'},
        {Qt::Key_Q, altGr, "@", u'@'},
        {Qt::Key_X, altGr, "", std::nullopt},
        // Meta is the system's.
        {Qt::Key_E, meta, "e", std::nullopt},
        {Qt::Key_C, meta | ctrl, "\x03", std::nullopt},
        {Qt::Key_E, meta | altGr, "€", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.key << " " << c.modifiers.toInt());
        EXPECT_EQ(typedCharacter(c.key, c.modifiers, QString::fromUtf8(c.text)), c.expected);
    }
}

} // namespace
} // namespace zamt
