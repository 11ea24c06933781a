#pragma once
// The system's decoder of Windows-1251 bytes, beneath CodePage.h: Qt's
// (ICU) on POSIX systems, the system's code page 1251 on Windows, where Qt
// without ICU does not know the code page.
#include <QString>
#include <string_view>

namespace zamt {

// A byte the code page does not define becomes U+FFFD.
QString decodeCp1251(std::string_view bytes);

} // namespace zamt
