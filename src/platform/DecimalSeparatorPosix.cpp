#include "platform/DecimalSeparator.h"

#include <cstdlib>

namespace zamt {

char systemDecimalSeparator() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return decimalSeparatorOfLocale(value);
    }
    return '.';
}

} // namespace zamt
