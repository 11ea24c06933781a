#include "report/project/RptProjectFile.h"

#include "platform/AppError.h"
#include "report/project/RptProjectHeader.h"
#include "report/project/RptProjectLimits.h"
#include "report/project/RptProjectXml.h"

#include <QFile>
#include <QFileInfo>

namespace zamt {

RptProjectModel rptReadProject(QByteArrayView file) {
    if (file.isEmpty())
        return rptEmptyProject();
    return rptReadProjectXml(rptProjectText(file));
}

QByteArray rptWriteProject(const RptProjectModel& project) {
    return rptFrameProjectText(rptWriteProjectXml(project));
}

RptProjectModel rptLoadProjectFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw AppError(
            QStringLiteral("The following reporting project is not a file:\r\"%1\"").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    // One byte more than the largest project, so that a longer file is seen
    // as one without reading it all.
    const QByteArray bytes = file.read(kRptProjectHeaderSize + kRptMaxProjectText + 1);
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return rptReadProject(bytes);
}

} // namespace zamt
