#include "app/TextFile.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/RegularFile.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

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
    struct stat info {};
    FileDescriptor file(openRegularFile(path, info));
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
            throwCannotOpen(path, errno);
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
