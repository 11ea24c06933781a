#include "report/stream/RptByteSource.h"

#include "platform/AppError.h"

#include <bit>
#include <cstring>

namespace zamt {
namespace {

static_assert(std::endian::native == std::endian::little);

constexpr qint64 SourceWindowSize = 16384;

} // namespace

RptByteSource::RptByteSource(QIODevice* device) : device_(device) {
    if (device_->isSequential() || !device_->isReadable())
        throw AppError(QStringLiteral("The report file cannot be read."));
    size_ = device_->size();
}

void RptByteSource::readError() {
    throw AppError(QStringLiteral("Stream read error"));
}

void RptByteSource::seek(qint64 position) {
    if (position < 0 || position > size_)
        readError();
    pos_ = position;
}

// The `count` bytes at the position, valid until the next read; moves on.
const char* RptByteSource::take(qint64 count) {
    if (count < 0 || count > remaining())
        readError();
    const qint64 offset = pos_ - windowPos_;
    if (offset < 0 || offset + count > window_.size()) {
        const qint64 length = std::min(std::max(count, SourceWindowSize), remaining());
        window_.resize(length);
        if (!device_->seek(pos_) || device_->read(window_.data(), length) != length)
            readError();
        windowPos_ = pos_;
    }
    const char* data = window_.constData() + (pos_ - windowPos_);
    pos_ += count;
    return data;
}

uint8_t RptByteSource::byte() {
    return uint8_t(*take(1));
}

int16_t RptByteSource::int16() {
    int16_t value;
    std::memcpy(&value, take(2), 2);
    return value;
}

int32_t RptByteSource::int32() {
    int32_t value;
    std::memcpy(&value, take(4), 4);
    return value;
}

float RptByteSource::single() {
    float value;
    std::memcpy(&value, take(4), 4);
    return value;
}

QByteArray RptByteSource::bytes(qint64 count) {
    if (count < 0 || count > remaining())
        readError();
    if (count <= SourceWindowSize)
        return QByteArray(take(count), count);
    // Large blocks bypass the window.
    QByteArray data(count, Qt::Uninitialized);
    if (!device_->seek(pos_) || device_->read(data.data(), count) != count)
        readError();
    pos_ += count;
    return data;
}

std::string RptByteSource::string(bool twoByteLengths) {
    qint64 length = byte();
    if (twoByteLengths && length >= 192)
        length = (length - 192) * 256 + byte();
    const char* data = take(length);
    return std::string(data, size_t(length));
}

} // namespace zamt
