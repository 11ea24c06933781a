#include "platform/CodePage.h"

#include <QStringDecoder>
#include <array>

namespace zamt {

namespace {

// The code page's byte of every character it holds, taken once from Qt's
// own decoder (each byte decoded, and the mapping turned round), so that
// converting a text costs a table look-up per character rather than a call
// into the converter. 0 marks a character the code page lacks.
const std::array<unsigned char, 0x10000>& byteOfCharacter() {
    static const auto table = [] {
        std::array<unsigned char, 0x10000> bytes{};
        QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char one = static_cast<char>(byte);
            const QString ch = decoder.decode(QByteArrayView(&one, 1));
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
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    // A character the code page lacks becomes '?', as the system's
    // conversion writes it; a surrogate pair gives one '?'.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            bytes += static_cast<char>(ch.unicode());
            continue;
        }
        if (ch.isLowSurrogate())
            continue;
        const unsigned char byte = table[ch.unicode()];
        bytes += byte != 0 ? static_cast<char>(byte) : '?';
    }
    return bytes;
}

QString fromCp1251(std::string_view bytes) {
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string cp1251(std::string_view utf8) {
    return toCp1251(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

unsigned char cp1251Byte(QChar ch) {
    const std::string bytes = toCp1251(QString(ch));
    return bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : '?';
}

} // namespace zamt
