#include "platform/DecimalSeparator.h"

#include <windows.h>

namespace zamt {

char systemDecimalSeparator() {
    wchar_t point[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point,
                                       LOCALE_NAME_MAX_LENGTH);
    if (length <= 1) // the count includes the closing null
        return '.';
    return decimalSeparatorOfText(QString::fromWCharArray(point, length - 1));
}

} // namespace zamt
