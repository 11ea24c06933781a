#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zamt {

std::string toCp1251(const QString& text) {
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
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
