#include "platform/RegularFile.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zamt {
namespace {

// Only regular files are read: a named pipe would wait for a writer, a
// device may never end.
void requireRegularFile(const QString& path, mode_t mode) {
    if (S_ISREG(mode))
        return;
    if (S_ISDIR(mode))
        throwCannotOpen(path, EISDIR);
    const char* kind = S_ISFIFO(mode)   ? "a named pipe"
                       : S_ISCHR(mode)  ? "a character device"
                       : S_ISBLK(mode)  ? "a block device"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "not a file of text";
    throwCannotOpen(path, QStringLiteral("Not a regular file: %1").arg(QLatin1String(kind)));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// A descriptor open for reading, and the file's state in `info`.
int openRegularFile(const QString& path, struct stat& info) {
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &info) != 0)
        throwCannotOpen(path, errno);
    requireRegularFile(path, info.st_mode);
    // Without blocking, and checked again once open: the name may have been
    // given to a pipe in between.
    FileDescriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        throwCannotOpen(path, errno);
    if (::fstat(fd.get(), &info) != 0)
        throwCannotOpen(path, errno);
    requireRegularFile(path, info.st_mode);
    return fd.release();
}

} // namespace

std::optional<std::string> readRegularFile(const QString& path, std::int64_t limit) {
    struct stat info {};
    FileDescriptor file(openRegularFile(path, info));
    if (info.st_size > limit)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwCannotOpen(path, errno);
        }
        if (got == 0)
            return bytes;
        if (static_cast<std::int64_t>(bytes.size()) + got > limit)
            return std::nullopt;
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

std::unique_ptr<QFile> openRegularFileForReading(const QString& path) {
    struct stat info {};
    const int fd = openRegularFile(path, info);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throwCannotOpen(path, file->errorString());
    }
    return file;
}

} // namespace zamt
