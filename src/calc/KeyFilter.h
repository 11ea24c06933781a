#pragma once
// The key filters of the edit boxes. A typed character is judged as its
// Windows-1251 byte against the whole present text of its box, before the box
// takes it: kept, replaced, or cancelled (dropped silently).
#include <string_view>

namespace zamt {

inline constexpr char kBackspace = 8;
inline constexpr char kEnter = 13;
inline constexpr char kCancelled = 0;

// Digits, one decimal separator and Backspace.
char filterNumericKey(char key, std::string_view boxText, char separator);
// As the numeric filter, plus Latin and Cyrillic letters (not Ё and ё) and the blank.
char filterNameKey(char key, std::string_view boxText, char separator);

} // namespace zamt
