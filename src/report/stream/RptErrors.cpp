#include "report/stream/RptErrors.h"

#include "platform/AppError.h"

namespace zamt {

void rptDamaged(const QString& what) {
    throw AppError(QStringLiteral("Report file is damaged: %1.").arg(what));
}

void rptUnexpectedPageCode() {
    throw AppError(QStringLiteral("Unexpected code found in report file."));
}

void rptUnexpectedCode(int code) {
    throw AppError(QStringLiteral("Unexpected code [%1] found in report file.").arg(code));
}

} // namespace zamt
