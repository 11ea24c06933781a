#pragma once
// The program's text is 8-bit Windows-1251, as in its files; Qt widgets speak
// QString. These convert at the edge between the two.
#include <QString>
#include <string>
#include <string_view>

namespace zamt {

// Encodes to Windows-1251; characters the code page lacks become '?'.
std::string toCp1251(const QString& text);
QString fromCp1251(std::string_view bytes);
// A UTF-8 literal of the source code as Windows-1251 bytes.
std::string cp1251(std::string_view utf8);
// The Windows-1251 byte of one character, or '?' when the code page lacks it.
unsigned char cp1251Byte(QChar ch);

} // namespace zamt
