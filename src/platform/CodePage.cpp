#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zamt {

std::string toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    // The converter marks a character the code page lacks with SUB (26);
    // the program writes '?' for it, as the system's conversion does.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            bytes += static_cast<char>(ch.unicode());
            continue;
        }
        if (ch.isLowSurrogate())
            continue; // the high surrogate already gave its '?'
        const QByteArray one = encoder.encode(QStringView(&ch, 1));
        bytes += one.size() == 1 && one[0] != '\x1A' ? one[0] : '?';
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
