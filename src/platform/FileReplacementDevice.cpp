#include "platform/FileReplacementDevice.h"

#include "platform/FileCalls.h"
#include "platform/FileFailure.h"
#include "platform/SystemError.h"

#include <algorithm>
#include <cstring>

namespace zamt {

FileReplacementDevice::FileReplacementDevice(int fd, qint64 blockSize, bool seekable, Start start)
    : fd_(fd), seekable_(seekable), mustEmpty_(start == Start::Emptied),
      block_(static_cast<size_t>(std::max<qint64>(blockSize, 1))) {
    // Reads are refused anyway; unbuffered keeps QIODevice from keeping
    // a read buffer of its own beside our block.
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool FileReplacementDevice::fail(int error) {
    if (error_ == 0)
        error_ = error;
    setErrorString(systemErrorText(error_));
    return false;
}

bool FileReplacementDevice::emptyOnce() {
    if (!mustEmpty_)
        return true;
    mustEmpty_ = false;
    return fileCalls().truncate(fd_, 0) == 0 || fail(lastSystemError());
}

bool FileReplacementDevice::sendBlock() {
    if (error_ != 0)
        return false;
    if (used_ == 0)
        return true;
    if (!emptyOnce())
        return false;
    FileCalls& calls = fileCalls();
    const char* data = block_.data();
    size_t left = used_;
    while (left > 0) {
        const ssize_t written = calls.write(fd_, data, left);
        if (written < 0) {
            if (lastSystemError() == kErrorInterrupted)
                continue;
            return fail(lastSystemError());
        }
        if (written == 0)
            return fail(kErrorNoSpace); // nothing more fits
        data += written;
        left -= static_cast<size_t>(written);
    }
    filePos_ += static_cast<qint64>(used_);
    end_ = std::max(end_, filePos_);
    used_ = 0;
    return true;
}

qint64 FileReplacementDevice::writeData(const char* data, qint64 size) {
    if (error_ != 0)
        return -1;
    qint64 taken = 0;
    while (taken < size) {
        const size_t room = block_.size() - used_;
        const size_t piece = static_cast<size_t>(std::min<qint64>(size - taken, qint64(room)));
        std::memcpy(block_.data() + used_, data + taken, piece);
        used_ += piece;
        taken += qint64(piece);
        if (used_ == block_.size() && !sendBlock())
            return -1;
    }
    return taken;
}

bool FileReplacementDevice::seek(qint64 pos) {
    if (!seekable_ || pos < 0 || !sendBlock())
        return false;
    if (pos != filePos_) {
        if (!emptyOnce())
            return false;
        if (fileCalls().seek(fd_, pos) < 0)
            return fail(lastSystemError());
        filePos_ = pos;
    }
    return QIODevice::seek(pos);
}

qint64 FileReplacementDevice::size() const {
    return std::max(end_, filePos_ + static_cast<qint64>(used_));
}

bool FileReplacementDevice::resize(qint64 size) {
    if (!seekable_ || size < 0 || !sendBlock() || !emptyOnce())
        return false;
    if (fileCalls().truncate(fd_, size) != 0)
        return fail(lastSystemError());
    end_ = size;
    if (pos() > size)
        return seek(size);
    return true;
}

bool FileReplacementDevice::finish() {
    return sendBlock() && emptyOnce();
}

} // namespace zamt
