#include "platform/RegularFile.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"

namespace zamt {

void throwCannotOpen(const QString& path, const QString& reason) {
    throw AppError(fileFailureMessage(FileStep::Open, path, reason));
}

void throwCannotOpen(const QString& path, int error) {
    throwCannotOpen(path, systemErrorText(error));
}

} // namespace zamt
