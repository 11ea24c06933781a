#include "platform/IoErrors.h"

#include <cerrno>

namespace zamt {

QString ioErrorMessage(int systemError) {
    switch (systemError) {
    case ENOENT:
        return QStringLiteral("File not found");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
        return QStringLiteral("File access denied");
    default:
        return QStringLiteral("I/O error %1").arg(systemError);
    }
}

} // namespace zamt
