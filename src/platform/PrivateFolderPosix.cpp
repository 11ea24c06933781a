#include "platform/PrivateFolder.h"

#include "platform/FileFailure.h"

#include <QDir>
#include <QFile>
#include <cerrno>
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
        return systemErrorText(errno);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return systemErrorText(errno);
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return QStringLiteral("%1 is not a folder of this user").arg(QDir::toNativeSeparators(path));
    if ((info.st_mode & 0077) != 0 && ::chmod(name.constData(), 0700) != 0)
        return systemErrorText(errno);
    return {};
}

} // namespace zamt
