#include "report/stream/RptByteSink.h"

#include "platform/AppError.h"
#include "platform/FileReplacementDevice.h"

#include <QBuffer>
#include <QFileDevice>
#include <algorithm>
#include <bit>
#include <cstring>

namespace zamt {
namespace {

// The stream is little-endian; so is every machine we build for, which the
// static_assert keeps honest.
static_assert(std::endian::native == std::endian::little);

[[noreturn]] void sinkWriteError() {
    throw AppError(QStringLiteral("Stream write error"));
}

} // namespace

RptByteSink::RptByteSink(QIODevice* device)
    : device_(device), base_(device->pos()), buffer_(new char[BufferSize]) {}

// The item does not fit behind what the buffer holds: send the buffer, or
// only what lies before the held bytes, then keep the item, or write it
// directly when it is larger than the buffer.
void RptByteSink::putAfterFlush(const void* data, qint64 size) {
    const qint64 held = heldBytes();
    if (held > 0 && held <= BufferSize / 2 && held + size <= BufferSize) {
        sendFront(used_ - held);
        std::memcpy(buffer_.get() + used_, data, static_cast<size_t>(size));
        used_ += size;
        return;
    }
    flush();
    if (size > BufferSize) {
        writeDevice(static_cast<const char*>(data), size);
        flushed_ += size;
        deviceEnd_ = std::max(deviceEnd_, flushed_);
        return;
    }
    std::memcpy(buffer_.get(), data, static_cast<size_t>(size));
    used_ = size;
}

qint64 RptByteSink::heldBytes() const {
    return hold_ >= flushed_ && hold_ < pos() ? pos() - hold_ : 0;
}

// Sends the first `size` bytes of the buffer and moves the rest to its start.
void RptByteSink::sendFront(qint64 size) {
    writeDevice(buffer_.get(), size);
    std::memmove(buffer_.get(), buffer_.get() + size, static_cast<size_t>(used_ - size));
    flushed_ += size;
    used_ -= size;
    deviceEnd_ = std::max(deviceEnd_, flushed_);
}

void RptByteSink::flush() {
    if (used_ > 0)
        sendFront(used_);
}

void RptByteSink::writeDevice(const char* data, qint64 size) {
    if (device_->write(data, size) != size)
        sinkWriteError();
}

void RptByteSink::seekDevice(qint64 at) {
    if (!device_->seek(base_ + at))
        sinkWriteError();
}

void RptByteSink::patchInt16(qint64 at, int16_t value) {
    patch(at, reinterpret_cast<const char*>(&value), 2);
}

void RptByteSink::patchInt32(qint64 at, int32_t value) {
    patch(at, reinterpret_cast<const char*>(&value), 4);
}

void RptByteSink::patch(qint64 at, const char* bytes, qint64 size) {
    if (at >= flushed_) {
        // Still in the buffer: no device access needed.
        std::memcpy(buffer_.get() + (at - flushed_), bytes, static_cast<size_t>(size));
        return;
    }
    flush();
    seekDevice(at);
    writeDevice(bytes, size);
    seekDevice(flushed_);
}

void RptByteSink::truncate(qint64 at) {
    if (at >= flushed_) {
        used_ = at - flushed_;
        return;
    }
    used_ = 0;
    flushed_ = at;
    seekDevice(at);
}

void RptByteSink::finish() {
    flush();
    if (deviceEnd_ <= flushed_)
        return;
    // A cancelled page had already reached the device; cut it off where we can.
    if (auto* file = qobject_cast<QFileDevice*>(device_)) {
        if (!file->resize(base_ + flushed_))
            sinkWriteError();
    } else if (auto* replacement = dynamic_cast<FileReplacementDevice*>(device_)) {
        if (!replacement->resize(base_ + flushed_))
            sinkWriteError();
    } else if (auto* buffer = qobject_cast<QBuffer*>(device_)) {
        buffer->buffer().resize(base_ + flushed_);
    }
    deviceEnd_ = flushed_;
}

} // namespace zamt
