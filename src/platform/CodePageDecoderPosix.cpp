#include "platform/CodePageDecoder.h"

#include <QStringDecoder>

namespace zamt {

QString decodeCp1251(std::string_view bytes) {
    QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace zamt
