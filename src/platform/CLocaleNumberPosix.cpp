#include "platform/CLocaleNumber.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace zamt {

long double cLocaleNumber(const std::string& text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(text.c_str(), nullptr, c);
}

} // namespace zamt
