#include "platform/RegularFile.h"

#include "platform/SystemError.h"
#include "platform/WindowsPath.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace zamt {
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

// Only files on a disk are read: a device (CON, a serial port) or a pipe
// may never end. Others may go on reading and writing the file.
HANDLE openRegularFile(const QString& path) {
    if (reservedOrCutFileName(QFileInfo(path).fileName()))
        throwCannotOpen(path, QStringLiteral("Not a regular file: a device name"));
    const std::wstring name = widePath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throwCannotOpen(path, static_cast<int>(GetLastError()));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throwCannotOpen(path, kErrorIsAFolder);
    Handle file(CreateFileW(name.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        throwCannotOpen(path, static_cast<int>(GetLastError()));
    const DWORD type = GetFileType(file.get());
    if (type != FILE_TYPE_DISK) {
        const char* kind = type == FILE_TYPE_PIPE   ? "a named pipe"
                           : type == FILE_TYPE_CHAR ? "a character device"
                                                    : "not a file of text";
        throwCannotOpen(path, QStringLiteral("Not a regular file: %1").arg(QLatin1String(kind)));
    }
    return file.release();
}

} // namespace

std::optional<std::string> readRegularFile(const QString& path, std::int64_t limit) {
    Handle file(openRegularFile(path));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        throwCannotOpen(path, static_cast<int>(GetLastError()));
    if (size.QuadPart > limit)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            throwCannotOpen(path, static_cast<int>(GetLastError()));
        if (got == 0)
            return bytes;
        if (static_cast<std::int64_t>(bytes.size()) + got > limit)
            return std::nullopt;
        bytes.append(chunk, got);
    }
}

std::unique_ptr<QFile> openRegularFileForReading(const QString& path) {
    Handle file(openRegularFile(path));
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_RDONLY | _O_BINARY);
    if (fd < 0)
        throwCannotOpen(path, ERROR_TOO_MANY_OPEN_FILES);
    file.release();
    auto qfile = std::make_unique<QFile>();
    if (!qfile->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        throwCannotOpen(path, qfile->errorString());
    }
    return qfile;
}

} // namespace zamt
