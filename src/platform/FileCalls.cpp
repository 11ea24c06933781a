#include "platform/FileCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace zamt {

int FileCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileCalls::write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileCalls::close(int fd) {
    return ::close(fd);
}
int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

namespace {

std::unique_ptr<FileCalls>& installed() {
    static std::unique_ptr<FileCalls> calls;
    return calls;
}

} // namespace

FileCalls& fileCalls() {
    static FileCalls real;
    return installed() ? *installed() : real;
}

std::unique_ptr<FileCalls> installFileCalls(std::unique_ptr<FileCalls> calls) {
    std::swap(installed(), calls);
    return calls;
}

} // namespace zamt
