#include "support/FailingFileCalls.h"

#include "platform/SystemError.h"

#include <algorithm>

namespace zamt::test {

std::unique_ptr<FailingFileCalls> FailingFileCalls::at(Call call, int nth, int error) {
    auto calls = std::make_unique<FailingFileCalls>();
    calls->call_ = call;
    calls->nth_ = nth;
    calls->error_ = error;
    return calls;
}

std::unique_ptr<FailingFileCalls> FailingFileCalls::afterBytes(qint64 bytes, int error) {
    auto calls = std::make_unique<FailingFileCalls>();
    calls->budget_ = bytes;
    calls->error_ = error;
    return calls;
}

bool FailingFileCalls::failsNow(Call call) {
    const int count = ++counts_[static_cast<int>(call)];
    if (call != call_ || count != nth_)
        return false;
    setLastSystemError(error_);
    return true;
}

int FailingFileCalls::open(const char* path, int flags, mode_t mode) {
    return failsNow(Call::Open) ? -1 : FileCalls::open(path, flags, mode);
}

ssize_t FailingFileCalls::write(int fd, const void* data, size_t size) {
    ++writes;
    if (failsNow(Call::Write))
        return -1;
    if (budget_ >= 0) {
        if (written >= budget_) {
            setLastSystemError(error_);
            return -1;
        }
        size = std::min<size_t>(size, static_cast<size_t>(budget_ - written));
    }
    const ssize_t result = FileCalls::write(fd, data, size);
    if (result > 0)
        written += result;
    return result;
}

int FailingFileCalls::fsync(int fd) {
    return failsNow(Call::Fsync) ? -1 : FileCalls::fsync(fd);
}

int FailingFileCalls::close(int fd) {
    // The descriptor is gone even when close reports an error.
    const int result = FileCalls::close(fd);
    return failsNow(Call::Close) ? -1 : result;
}

int FailingFileCalls::rename(const char* from, const char* to) {
    return failsNow(Call::Rename) ? -1 : FileCalls::rename(from, to);
}

ScopedFileCalls::ScopedFileCalls(std::unique_ptr<FileCalls> calls)
    : previous_(installFileCalls(std::move(calls))) {}

ScopedFileCalls::~ScopedFileCalls() {
    installFileCalls(std::move(previous_));
}

} // namespace zamt::test
