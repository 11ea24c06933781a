#include "platform/FileCalls.h"

#include "platform/WindowsPath.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace zamt {
namespace {

HANDLE handleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

} // namespace

int FileCalls::open(const char* path, int flags, mode_t) {
    const bool create = (flags & O_CREAT) != 0;
    const DWORD disposition = !create ? OPEN_EXISTING : (flags & O_EXCL) ? CREATE_NEW : OPEN_ALWAYS;
    // Others may read the file while it is written, not write or remove it.
    const HANDLE file = CreateFileW(widePath(std::string(path)).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY | _O_WRONLY);
    if (fd < 0) {
        CloseHandle(file);
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    }
    return fd;
}

ssize_t FileCalls::write(int fd, const void* data, size_t size) {
    DWORD written = 0;
    const DWORD piece = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!WriteFile(handleOf(fd), data, piece, &written, nullptr))
        return -1;
    return static_cast<ssize_t>(written);
}

long long FileCalls::seek(int fd, long long offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return SetFilePointerEx(handleOf(fd), to, nullptr, FILE_BEGIN) ? offset : -1;
}

int FileCalls::truncate(int fd, long long size) {
    LARGE_INTEGER at;
    at.QuadPart = size;
    LARGE_INTEGER was;
    const LARGE_INTEGER zero{};
    const HANDLE file = handleOf(fd);
    // SetEndOfFile cuts at the file pointer; the pointer goes back after.
    if (!SetFilePointerEx(file, zero, &was, FILE_CURRENT) ||
        !SetFilePointerEx(file, at, nullptr, FILE_BEGIN) || !SetEndOfFile(file) ||
        !SetFilePointerEx(file, was, nullptr, FILE_BEGIN))
        return -1;
    return 0;
}

int FileCalls::fsync(int fd) {
    return FlushFileBuffers(handleOf(fd)) ? 0 : -1;
}

int FileCalls::close(int fd) {
    // The runtime tells a failure to close the handle in errno only.
    if (_close(fd) == 0)
        return 0;
    SetLastError(ERROR_WRITE_FAULT);
    return -1;
}

int FileCalls::rename(const char* from, const char* to) {
    return MoveFileExW(widePath(std::string(from)).c_str(), widePath(std::string(to)).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : -1;
}

} // namespace zamt
