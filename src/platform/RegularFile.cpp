#include "platform/RegularFile.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

} // namespace

void throwCannotOpen(const QString& path, const QString& reason) {
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2")
                       .arg(QFileInfo(path).absoluteFilePath(), reason));
}

void throwCannotOpen(const QString& path, int error) {
    throwCannotOpen(path, systemErrorText(error));
}

int openRegularFile(const QString& path, struct stat& info) {
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &info) != 0)
        throwCannotOpen(path, errno);
    requireRegularFile(path, info.st_mode);
    // Without blocking, and checked again once open: the name may have been
    // given to a pipe in between.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throwCannotOpen(path, errno);
    try {
        if (::fstat(fd, &info) != 0)
            throwCannotOpen(path, errno);
        requireRegularFile(path, info.st_mode);
    } catch (...) {
        ::close(fd);
        throw;
    }
    return fd;
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
