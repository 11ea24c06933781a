#pragma once
// The system calls through which written files reach the disk. The program
// uses the real ones; tests install their own to make one of them fail, so
// every write-error path runs in the ordinary test run, without root or a
// full disk.
//
// A call that fails returns -1 and leaves its code in lastSystemError()
// (SystemError.h). On Windows `fd` is a C runtime descriptor of a Windows
// file handle, paths are UTF-8, and the flags and mode are POSIX's: O_CREAT
// with O_EXCL makes a new file, otherwise an existing one is opened.
#include <memory>
#include <sys/types.h>

namespace zamt {

class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual long long seek(int fd, long long offset); // from the start
    virtual int truncate(int fd, long long size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    // Replaces `to` if it exists.
    virtual int rename(const char* from, const char* to);
};

FileCalls& fileCalls();
// Installs calls and returns the ones they replace (null: the real ones).
std::unique_ptr<FileCalls> installFileCalls(std::unique_ptr<FileCalls> calls);

} // namespace zamt
