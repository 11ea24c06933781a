#include "platform/Console.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace zamt {
namespace {

bool goesSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void writeConsoleText(std::FILE* stream, const QString& text) {
    std::fflush(stream);
    // A console takes the text as UTF-16; its code page (437 or 866 in a
    // new cmd window) would garble the Cyrillic of the bytes.
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr);
        return;
    }
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void attachParentConsole() {
    const bool output = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool errors = goesSomewhere(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!errors)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace zamt
