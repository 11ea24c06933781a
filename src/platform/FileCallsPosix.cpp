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
long long FileCalls::seek(int fd, long long offset) {
    return ::lseek(fd, static_cast<off_t>(offset), SEEK_SET);
}
int FileCalls::truncate(int fd, long long size) {
    return ::ftruncate(fd, static_cast<off_t>(size));
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

} // namespace zamt
