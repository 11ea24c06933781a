#include "platform/CodePageDecoder.h"

#include <QStringDecoder>

namespace zamt {

QString decodeCp1251(std::string_view bytes) {
    // Made once per thread: opening the converter costs more than a line.
    static thread_local QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace zamt
