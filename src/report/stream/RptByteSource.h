#pragma once
// Bounded little-endian input of the page stream from a seekable device,
// read through a window of the device's bytes. Every read first checks that
// the bytes exist: a read past the end raises AppError "Stream read error"
// before anything is allocated for it.
#include <QByteArray>
#include <QIODevice>
#include <cstdint>
#include <string>

namespace zamt {

class RptByteSource {
public:
    // Positions are counted from the device's start.
    explicit RptByteSource(QIODevice* device);

    qint64 size() const { return size_; }
    qint64 pos() const { return pos_; }
    qint64 remaining() const { return size_ - pos_; }
    void seek(qint64 position);

    uint8_t byte();
    int16_t int16();
    int32_t int32();
    float single();
    QByteArray bytes(qint64 count);
    // A string with its one-byte length, or from the given version on also
    // the two-byte form.
    std::string string(bool twoByteLengths);

    [[noreturn]] static void readError();

private:
    const char* take(qint64 count);

    QIODevice* device_;
    qint64 size_ = 0;
    qint64 pos_ = 0;
    QByteArray window_;
    qint64 windowPos_ = 0;
};

} // namespace zamt
