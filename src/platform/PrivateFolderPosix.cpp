#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {

QString userIdText() {
    return QString::number(::getuid());
}

// The user's folder must be a real folder of the user's, closed to others:
// another user could have put a folder or a link of theirs under that name.
QString makePrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return QStringLiteral("%1 is not a folder of this user").arg(QDir::toNativeSeparators(path));
    if ((info.st_mode & 0077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

} // namespace zamt
