#include "report/project/RptProjectHeader.h"

#include "report/project/RptProjectErrors.h"
#include "report/project/RptProjectLimits.h"

#include <QtEndian>

namespace zamt {
namespace {

constexpr QByteArrayView kSignature("RPJ\x1A", 4);
constexpr qsizetype kCheckedSize = 10; // the bytes the check word covers

[[noreturn]] void textTooLong(quint64 length) {
    rptInvalidProject(
        QStringLiteral("its text is %1 bytes long, more than the %2 a project may hold")
            .arg(length)
            .arg(kRptMaxProjectText));
}

} // namespace

QByteArray rptFrameProjectText(QByteArrayView text) {
    if (text.size() > kRptMaxProjectText)
        textTooLong(quint64(text.size()));
    QByteArray file(kRptProjectHeaderSize, '\0');
    char* header = file.data();
    std::copy(kSignature.begin(), kSignature.end(), header);
    qToLittleEndian<quint16>(kRptProjectVersion, header + 4);
    qToLittleEndian<quint32>(quint32(text.size()), header + 6);
    qToLittleEndian<quint16>(qChecksum(QByteArrayView(header, kCheckedSize)), header + 10);
    file.append(text);
    return file;
}

QByteArray rptProjectText(QByteArrayView file) {
    if (!file.startsWith(kSignature))
        rptInvalidProjectFormat();
    if (file.size() < kRptProjectHeaderSize)
        rptInvalidProjectHeader();
    const char* header = file.data();
    const quint16 version = qFromLittleEndian<quint16>(header + 4);
    const quint32 length = qFromLittleEndian<quint32>(header + 6);
    const quint16 check = qFromLittleEndian<quint16>(header + 10);
    if (version != kRptProjectVersion || check != qChecksum(file.first(kCheckedSize)))
        rptInvalidProjectHeader();
    if (length > quint64(kRptMaxProjectText))
        textTooLong(length);
    const qsizetype present = file.size() - kRptProjectHeaderSize;
    if (present < qsizetype(length))
        rptInvalidProject(
            QStringLiteral("the file ends after %1 of the %2 bytes of project text its header "
                           "announces")
                .arg(present)
                .arg(length));
    if (present > qsizetype(length))
        rptInvalidProject(
            QStringLiteral("the file goes on after the %1 bytes of project text its header "
                           "announces")
                .arg(length));
    return file.sliced(kRptProjectHeaderSize).toByteArray();
}

} // namespace zamt
