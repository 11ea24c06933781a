#include "platform/CodePage.h"

#include "platform/CodePageDecoder.h"

#include <array>

namespace zamt {

namespace {

// The code page's byte of every character it holds, taken once from the
// system's decoder (each byte decoded, and the mapping turned round), so that
// converting a text costs a table look-up per character rather than a call
// into the converter. 0 marks a character the code page lacks.
const std::array<unsigned char, 0x10000>& byteOfCharacter() {
    static const auto table = [] {
        std::array<unsigned char, 0x10000> bytes{};
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char one = static_cast<char>(byte);
            const QString ch = decodeCp1251(std::string_view(&one, 1));
            if (ch.size() == 1 && ch[0] != QChar::ReplacementCharacter)
                bytes[ch[0].unicode()] = static_cast<unsigned char>(byte);
        }
        return bytes;
    }();
    return table;
}

} // namespace

std::string toCp1251(const QString& text) {
    const auto& table = byteOfCharacter();
    // At most a byte a character: written in place, every row of a report
    // passes here.
    std::string bytes(static_cast<size_t>(text.size()), '\0');
    char* out = bytes.data();
    // A character the code page lacks becomes '?', as the system's
    // conversion writes it; a surrogate pair gives one '?'.
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80) {
            *out++ = static_cast<char>(code);
        } else if (!ch.isLowSurrogate()) {
            const unsigned char byte = table[code];
            *out++ = byte != 0 ? static_cast<char>(byte) : '?';
        }
    }
    bytes.resize(static_cast<size_t>(out - bytes.data()));
    return bytes;
}

QString fromCp1251(std::string_view bytes) {
    return decodeCp1251(bytes);
}

std::string cp1251(std::string_view utf8) {
    return toCp1251(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

unsigned char cp1251Byte(QChar ch) {
    const std::string bytes = toCp1251(QString(ch));
    return bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : '?';
}

} // namespace zamt
