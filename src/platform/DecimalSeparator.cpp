#include "platform/DecimalSeparator.h"

#include "platform/CodePage.h"

#include <QLocale>
#include <string>

namespace zamt {
namespace {
char g_separator = '.';
}

char decimalSeparatorOfText(const QString& point) {
    if (point.size() != 1)
        return '.';
    const unsigned char byte = cp1251Byte(point.at(0));
    return byte == '?' ? '.' : static_cast<char>(byte);
}

char decimalSeparatorOfLocale(std::string_view localeName) {
    std::string name(localeName);
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return '.';
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C)
        return '.';
    return decimalSeparatorOfText(locale.decimalPoint());
}

void initDecimalSeparator() { g_separator = systemDecimalSeparator(); }
char decimalSeparator() { return g_separator; }
void setDecimalSeparator(char separator) { g_separator = separator; }

} // namespace zamt
