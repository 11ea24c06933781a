#pragma once
// Buffered little-endian output of the page stream. Bytes collect in a
// 16 KiB buffer that goes to the device when the next item would not fit; an
// item larger than the buffer goes to the device directly. Fields written
// earlier can be patched in place, and everything from a position on can be
// dropped again (a page that turns out to be cancelled).
//
// A field that will be patched later can be held: while the bytes from it on
// take at most half the buffer, a full buffer sends only what lies before it,
// so the patch stays in memory. Patching on the device costs a flush, two
// seeks and a write of its own.
#include <QIODevice>
#include <cstdint>
#include <cstring>
#include <memory>

namespace zamt {

class RptByteSink {
public:
    static constexpr qint64 BufferSize = 16384;

    // Positions are counted from where the device stands now.
    explicit RptByteSink(QIODevice* device);

    qint64 pos() const { return flushed_ + used_; }

    void putByte(uint8_t value) { put(&value, 1); }
    void putInt16(int16_t value) { put(&value, 2); }
    void putInt32(int32_t value) { put(&value, 4); }
    void putSingle(float value) { put(&value, 4); }
    void putBytes(const char* data, qint64 size) { put(data, size); }

    // Keeps the bytes from `at` on in the buffer while they fit in half of
    // it; a later holdFrom replaces the position.
    void holdFrom(qint64 at) { hold_ = at; }

    void patchInt16(qint64 at, int16_t value);
    void patchInt32(qint64 at, int32_t value);

    // Forgets everything written at or after `at`.
    void truncate(qint64 at);
    // Sends the buffer to the device and, after a truncation behind the
    // buffer, cuts a file or memory buffer to the stream's end.
    void finish();
    void flush();

private:
    // Small items of a known size copy straight into the buffer.
    void put(const void* data, qint64 size) {
        if (used_ + size <= BufferSize) {
            std::memcpy(buffer_.get() + used_, data, size_t(size));
            used_ += size;
        } else {
            putAfterFlush(data, size);
        }
    }
    void putAfterFlush(const void* data, qint64 size);
    qint64 heldBytes() const;
    void sendFront(qint64 size);
    void patch(qint64 at, const char* bytes, qint64 size);
    void writeDevice(const char* data, qint64 size);
    void seekDevice(qint64 at);

    QIODevice* device_;
    qint64 base_ = 0;
    qint64 flushed_ = 0;
    qint64 used_ = 0;
    qint64 deviceEnd_ = 0; // furthest position ever written to the device
    qint64 hold_ = -1;     // see holdFrom; before the buffer when nothing is held
    std::unique_ptr<char[]> buffer_;
};

} // namespace zamt
