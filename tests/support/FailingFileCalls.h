#pragma once
// File calls that fail on cue, for tests of every write-error path of the
// file replacement and of the writers that use it: one chosen call fails
// with a chosen errno, or the writes stop after a number of bytes.
#include "platform/FileCalls.h"

#include <QtGlobal>
#include <memory>

namespace zamt::test {

class FailingFileCalls : public FileCalls {
public:
    enum class Call { Open, Write, Fsync, Close, Rename };

    // The `nth` call of that kind fails with `error`.
    static std::unique_ptr<FailingFileCalls> at(Call call, int nth, int error);
    // Writes take `bytes` bytes in all (the last one shortened); every
    // write after that fails with `error`.
    static std::unique_ptr<FailingFileCalls> afterBytes(qint64 bytes, int error);

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int rename(const char* from, const char* to) override;

    int writes = 0;     // write calls seen
    qint64 written = 0; // bytes that reached the file

private:
    bool failsNow(Call call);
    Call call_ = Call::Write;
    int nth_ = 0;        // 0: no call fails by count
    qint64 budget_ = -1; // -1: no limit
    int error_ = 0;
    int counts_[5] = {};
};

// Installs file calls for the lifetime of the object.
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(std::unique_ptr<FileCalls> calls);
    ~ScopedFileCalls();
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

private:
    std::unique_ptr<FileCalls> previous_;
};

} // namespace zamt::test
