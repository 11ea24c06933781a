#include "platform/IoErrors.h"

namespace zamt {

QString ioErrorMessage(int systemError) {
    // The Windows error codes 2 to 5 have texts of their own.
    switch (systemError) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Invalid filename");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    default:
        return QStringLiteral("I/O error %1").arg(systemError);
    }
}

} // namespace zamt
