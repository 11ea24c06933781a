#include "platform/NoDisplay.h"

#include <windows.h>

namespace zamt {

QString systemFontFolder() {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return QString::fromWCharArray(windows, int(length)) + QStringLiteral("\\Fonts");
}

} // namespace zamt
