#include "platform/CLocaleNumber.h"

#include <clocale>
#include <cstdlib>

namespace zamt {

long double cLocaleNumber(const std::string& text) {
    // mingw's strtold keeps the 80-bit precision and reads the decimal point
    // of the C runtime's locale, which the program leaves at "C"; should
    // anything have changed it, the text is spelled in that locale's way.
    const char point = *std::localeconv()->decimal_point;
    std::string spelled = text;
    if (point != '.' && point != '\0')
        for (char& c : spelled)
            if (c == '.')
                c = point;
    return std::strtold(spelled.c_str(), nullptr);
}

} // namespace zamt
