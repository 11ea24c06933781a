#include "report/project/RptProjectErrors.h"

#include "platform/AppError.h"

namespace zamt {

void rptInvalidProjectFormat() {
    throw AppError(QStringLiteral("Invalid Project Format"));
}

void rptInvalidProjectHeader() {
    throw AppError(QStringLiteral("Invalid Project Header Code"));
}

void rptInvalidProject(const QString& what) {
    throw AppError(QStringLiteral("Invalid report project: %1.").arg(what));
}

void rptInvalidProjectAt(qint64 line, const QString& what) {
    throw AppError(
        QStringLiteral("Invalid report project, line %1: %2.").arg(QString::number(line), what));
}

} // namespace zamt
