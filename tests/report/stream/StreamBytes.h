#pragma once
// Builds page stream bytes by hand, for streams the writer never makes
// (older versions, records it does not write, damaged data) and for the
// bytes expected of the writer.
#include <QByteArray>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zamt::test {

class StreamBytes {
public:
    StreamBytes& b(int value) {
        bytes.append(char(uint8_t(value)));
        return *this;
    }
    StreamBytes& i16(int value) {
        const int16_t v = int16_t(value);
        bytes.append(reinterpret_cast<const char*>(&v), 2);
        return *this;
    }
    StreamBytes& i32(int64_t value) {
        const int32_t v = int32_t(value);
        bytes.append(reinterpret_cast<const char*>(&v), 4);
        return *this;
    }
    StreamBytes& f(float value) {
        bytes.append(reinterpret_cast<const char*>(&value), 4);
        return *this;
    }
    // A string with a one-byte length (any length up to 255).
    StreamBytes& s(std::string_view text) {
        b(int(text.size()));
        return raw(text);
    }
    StreamBytes& raw(std::string_view text) {
        bytes.append(text.data(), qsizetype(text.size()));
        return *this;
    }
    // Hex digits; blanks and everything after '#' on a line are ignored.
    StreamBytes& hex(std::string_view text) {
        bool comment = false;
        std::string digits;
        for (char c : text) {
            if (c == '\n')
                comment = false;
            else if (c == '#')
                comment = true;
            else if (!comment && c != ' ')
                digits += c;
        }
        bytes.append(QByteArray::fromHex(QByteArray::fromStdString(digits)));
        return *this;
    }
    qsizetype pos() const { return bytes.size(); }
    void patch32(qsizetype at, int64_t value) {
        const int32_t v = int32_t(value);
        std::memcpy(bytes.data() + at, &v, 4);
    }

    QByteArray bytes;
};

} // namespace zamt::test
