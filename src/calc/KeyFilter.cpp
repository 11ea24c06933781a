#include "calc/KeyFilter.h"

namespace zamt {
namespace {

// A comma or a full stop becomes the separator, and is cancelled when the
// box already holds one anywhere (also inside a selection it would replace).
char separatorKey(std::string_view boxText, char separator) {
    return boxText.find(separator) == std::string_view::npos ? separator : kCancelled;
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

} // namespace

char filterNumericKey(char key, std::string_view boxText, char separator) {
    const auto c = static_cast<unsigned char>(key);
    if (isDigit(c) || key == kBackspace || key == kEnter)
        return key;
    if (key == ',' || key == '.')
        return separatorKey(boxText, separator);
    return kCancelled;
}

char filterNameKey(char key, std::string_view boxText, char separator) {
    const auto c = static_cast<unsigned char>(key);
    const bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool cyrillic = c >= 192; // А to я in Windows-1251
    if (latin || cyrillic || key == ' ')
        return key;
    return filterNumericKey(key, boxText, separator);
}

} // namespace zamt
