#include "calc/KeyFilter.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zamt {
namespace {

// One typed key against a box's present text; `expected` is the character the
// box receives, kCancelled when the key is dropped.
struct KeyCase {
    const char* name;
    int key; // Windows-1251 byte
    std::string boxText;
    int expected;
};

std::string describe(const KeyCase& c, char separator) {
    return std::string(c.name) + " into \"" + c.boxText + "\" under '" + separator + "'";
}

int asByte(char c) { return static_cast<unsigned char>(c); }

// What both kinds of box do alike, under the given separator: digits,
// Backspace, Enter, the two separator keys and the whole-text test.
std::vector<KeyCase> sharedCases(char separator) {
    const int sep = asByte(separator);
    const std::string other = separator == ',' ? "." : ",";
    return {
        {"digit 0", '0', "", '0'},
        {"digit 5", '5', "12", '5'},
        {"digit 9", '9', "1,5", '9'},
        {"Backspace", 8, "12", 8},
        {"Backspace after a separator", 8, std::string("1") + separator, 8},
        {"Enter", 13, "12", 13},
        {"comma into an empty box", ',', "", sep},
        {"full stop into an empty box", '.', "", sep},
        {"comma after digits", ',', "12", sep},
        {"full stop after digits", '.', "12", sep},
        {"comma with the separator present", ',', std::string("1") + separator + "5", 0},
        {"full stop with the separator present", '.', std::string("1") + separator + "5", 0},
        {"comma, separator only", ',', std::string(1, separator), 0},
        // The other mark is not the separator, so it does not count.
        {"comma with the other mark present", ',', "1" + other + "5", sep},
        {"full stop with the other mark present", '.', "1" + other + "5", sep},
    };
}

TEST(KeyFilter, NumericBoxKeepsDigitsAndOneSeparator) {
    for (const char separator : {',', '.'}) {
        for (const KeyCase& c : sharedCases(separator))
            EXPECT_EQ(asByte(filterNumericKey(static_cast<char>(c.key), c.boxText, separator)),
                      c.expected)
                << describe(c, separator);
    }
}

TEST(KeyFilter, NumericBoxCancelsEverythingElse) {
    // Signs, exponent letters, blanks, other letters and punctuation, and every
    // control character but Backspace and Enter (Ctrl+C, V, X, Z, Escape...).
    const int cancelled[] = {'-', '+', ' ', 'e', 'E', 'a', 'z', 'A', 'Z', '/', ':', ';', '_',
                             '(', ')', '"', '\'', 0xC0 /* А */, 0xFF /* я */, 0xA8 /* Ё */,
                             0xB9 /* № */, 1, 3, 9, 10, 22, 24, 26, 27, 127};
    for (const char separator : {',', '.'}) {
        for (const int key : cancelled) {
            for (const std::string text : {"", "12", "1,5"})
                EXPECT_EQ(filterNumericKey(static_cast<char>(key), text, separator), kCancelled)
                    << "key " << key << " into \"" << text << "\" under '" << separator << "'";
        }
    }
}

TEST(KeyFilter, NameBoxKeepsWhatTheNumericBoxKeeps) {
    for (const char separator : {',', '.'}) {
        for (const KeyCase& c : sharedCases(separator))
            EXPECT_EQ(asByte(filterNameKey(static_cast<char>(c.key), c.boxText, separator)),
                      c.expected)
                << describe(c, separator);
    }
}

TEST(KeyFilter, NameBoxJudgesTheSeparatorAgainstTheWholeName) {
    const std::string street = cp1251("ул");
    const struct {
        int key;
        std::string text;
        char separator;
        int expected;
    } cases[] = {
        {'.', street, ',', ','},
        {'.', street, '.', '.'},
        {',', street + ",", ',', 0},
        {'.', street + ",", ',', 0},
        {'.', cp1251("ул. Мира"), '.', 0},
        // The whole text counts, also a part a selection would replace.
        {',', cp1251("Насосная, станция"), ',', 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(asByte(filterNameKey(static_cast<char>(c.key), c.text, c.separator)), c.expected)
            << "key " << c.key << " under '" << c.separator << "'";
}

TEST(KeyFilter, NameBoxKeepsLatinAndCyrillicLettersAndTheBlank) {
    std::vector<int> kept{' '};
    for (int c = 'A'; c <= 'Z'; ++c)
        kept.push_back(c);
    for (int c = 'a'; c <= 'z'; ++c)
        kept.push_back(c);
    for (int c = 192; c <= 255; ++c) // А to я
        kept.push_back(c);
    for (const char separator : {',', '.'}) {
        for (const int key : kept)
            EXPECT_EQ(asByte(filterNameKey(static_cast<char>(key), "", separator)), key)
                << "key " << key << " under '" << separator << "'";
    }
    EXPECT_EQ(kept.size(), 1u + 26 + 26 + 64);
}

TEST(KeyFilter, NameBoxCancelsOtherPunctuationSymbolsAndControlCharacters) {
    const struct {
        const char* name;
        int key;
    } cancelled[] = {
        {"Ё", 168},  {"ё", 184},       {"№", 185},       {"-", '-'},      {"_", '_'},
        {"(", '('},  {")", ')'},       {"\"", '"'},      {"'", '\''},     {"«", 171},
        {"»", 187},  {"/", '/'},       {"@", '@'},       {"[", '['},      {"`", '`'},
        {"{", '{'},  {"~", '~'},       {"Ђ", 128},       {"non-breaking blank", 160},
        {"§", 167},  {"Ctrl+C", 3},    {"Ctrl+V", 22},   {"Ctrl+X", 24},  {"Ctrl+Z", 26},
        {"Escape", 27}, {"Tab", 9},    {"line feed", 10}, {"Ctrl+A", 1}, {"DEL", 127},
    };
    for (const char separator : {',', '.'}) {
        for (const auto& c : cancelled)
            EXPECT_EQ(filterNameKey(static_cast<char>(c.key), "abc", separator), kCancelled)
                << c.name << " under '" << separator << "'";
    }
}

} // namespace
} // namespace zamt
