#pragma once
// The decimal separator of the user's regional settings: read once at
// start-up, then the same character for the key filters, ParseNumber and
// FormatFixed for the whole run.
#include <QString>
#include <string_view>

namespace zamt {

// The separator as the program's one byte of Windows-1251: '.' when `point`
// is not exactly one character the code page holds.
char decimalSeparatorOfText(const QString& point);
// The separator a locale name such as "ru_RU.UTF-8" uses; '.' when the name
// is empty, "C", "POSIX" or unknown.
char decimalSeparatorOfLocale(std::string_view localeName);
// The user's setting: on Windows from the regional settings; elsewhere from
// LC_ALL, LC_NUMERIC, then LANG, the first one set deciding. '.' when it
// cannot be read.
char systemDecimalSeparator();

void initDecimalSeparator();
char decimalSeparator();
// For tests that run the program's code under either separator.
void setDecimalSeparator(char separator);

} // namespace zamt
