#include "platform/PrivateFolder.h"

#include "platform/FileFailure.h"
#include "platform/WindowsPath.h"

#include <windows.h>

namespace zamt {

QString userIdText() {
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) && size > 1 ? QString::fromWCharArray(name, int(size) - 1)
                                                 : QStringLiteral("user");
}

// The temporary folder of a Windows user lies in the user's own profile,
// closed to others; a folder made in it inherits that. It must be a real
// folder, not a link to one elsewhere.
QString makePrivateFolder(const QString& path) {
    const std::wstring name = widePath(path);
    if (!CreateDirectoryW(name.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return systemErrorText(static_cast<int>(GetLastError()));
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return systemErrorText(static_cast<int>(GetLastError()));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return QStringLiteral("%1 is not a folder of this user").arg(QDir::toNativeSeparators(path));
    return {};
}

} // namespace zamt
