#include "app/TextFile.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

[[noreturn]] void cannotOpen(const QString& path, const QString& reason) {
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2")
                       .arg(QFileInfo(path).absoluteFilePath(), reason));
}

[[noreturn]] void cannotOpen(const QString& path, int error) {
    cannotOpen(path, QString::fromLocal8Bit(std::strerror(error)));
}

// Only regular files are read: a named pipe would wait for a writer, a
// device may never end.
void requireRegularFile(const QString& path, mode_t mode) {
    if (S_ISREG(mode))
        return;
    if (S_ISDIR(mode))
        cannotOpen(path, EISDIR);
    const char* kind = S_ISFIFO(mode)  ? "a named pipe"
                       : S_ISCHR(mode) ? "a character device"
                       : S_ISBLK(mode) ? "a block device"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "not a file of text";
    cannotOpen(path, QStringLiteral("Not a regular file: %1").arg(QLatin1String(kind)));
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

private:
    int fd_;
};

} // namespace

QString textForView(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text += c == '\0' ? ' ' : c;
        }
    }
    return fromCp1251(text);
}

QString readTextForView(const QString& path, std::int64_t capacity) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        cannotOpen(path, errno);
    requireRegularFile(path, info.st_mode);
    // Without blocking, and checked again once open: the name may have been
    // given to a pipe in between.
    FileDescriptor file(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        cannotOpen(path, errno);
    if (::fstat(file.get(), &info) != 0)
        cannotOpen(path, errno);
    requireRegularFile(path, info.st_mode);
    if (info.st_size > capacity)
        throw AppError(QStringLiteral("Text exceeds memo capacity"));
    // Read whole, whatever the size the folder entry claims (/proc), but
    // never more than the view can hold.
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            cannotOpen(path, errno);
        }
        if (got == 0)
            break;
        if (static_cast<std::int64_t>(bytes.size()) + got > capacity)
            throw AppError(QStringLiteral("Text exceeds memo capacity"));
        bytes.append(chunk, static_cast<size_t>(got));
    }
    return textForView(bytes);
}

} // namespace zamt
