#include "platform/CodePageDecoder.h"

#include <windows.h>

namespace zamt {

namespace {
constexpr UINT kCp1251 = 1251;
}

QString decodeCp1251(std::string_view bytes) {
    if (bytes.empty())
        return {};
    // One UTF-16 unit per byte: the code page has no characters beyond the
    // basic plane. Code page 1251 whatever the system's own code page is.
    std::wstring wide(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(kCp1251, 0, bytes.data(), static_cast<int>(bytes.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    if (length <= 0)
        return QString(static_cast<qsizetype>(bytes.size()), QChar::ReplacementCharacter);
    return QString::fromWCharArray(wide.data(), length);
}

} // namespace zamt
