#include "platform/InstanceTempFolder.h"

#include "platform/FileFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

// The folder and lock of this instance, while it has them.
struct Held {
    QString folder;
    std::unique_ptr<QLockFile> lock;
};

Held& held() {
    static Held instance;
    return instance;
}

// The user's folder must be a real folder of the user's, closed to others:
// another user could have put a folder or a link of theirs under that name.
QString makeUserFolder(const QString& path) {
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

QString lockName(const QString& folder) { return folder + QStringLiteral(".lock"); }

// A lock that does not expire with age: only a lock whose process is gone
// is taken over.
std::unique_ptr<QLockFile> lockFor(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(lockName(folder));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

InstanceTempFolder temporaryFolder() {
    const QString fallback = QStringLiteral("/tmp");
    const QString named = qEnvironmentVariable("TMPDIR");
    const auto usable = [](const QString& folder) {
        const QByteArray name = QFile::encodeName(folder);
        struct stat info {};
        return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
               ::access(name.constData(), W_OK | X_OK) == 0;
    };
    if (!named.isEmpty() && usable(named))
        return {QDir::cleanPath(named), {}};
    if (usable(fallback))
        return {fallback, {}};
    if (named.isEmpty() || QDir::cleanPath(named) == fallback)
        return {fallback, QStringLiteral("it is not a folder that can be written in")};
    return {named, QStringLiteral("it is not a folder that can be written in, nor is %1")
                       .arg(fallback)};
}

void settleTemporaryFolder() {
    const InstanceTempFolder folder = temporaryFolder();
    if (folder.error.isEmpty() && qEnvironmentVariable("TMPDIR") != folder.path)
        qputenv("TMPDIR", QFile::encodeName(folder.path));
}

QString userTempFolder() {
    return temporaryFolder().path + QStringLiteral("/zamt05-") + QString::number(::getuid());
}

InstanceTempFolder instanceTempFolder() {
    Held& h = held();
    // The temporary folder is read from the environment each time; when it
    // changed, the files go to the new one.
    if (h.lock && QFileInfo(h.folder).path() == userTempFolder())
        return {h.folder, {}};
    releaseInstanceTempFolder();
    const QString number = QString::number(QCoreApplication::applicationPid());
    const InstanceTempFolder temporary = temporaryFolder();
    if (!temporary.error.isEmpty())
        return temporary;
    QString folder = userTempFolder() + QLatin1Char('/') + number;
    if (const QString error = makeUserFolder(userTempFolder()); !error.isEmpty())
        return {folder, error};
    // A lock under this process's number held by another means a dead
    // instance of the same number whose lock is still being left; take the
    // next free name.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0)
            folder = userTempFolder() + QLatin1Char('/') + number + QLatin1Char('-') + QString::number(attempt);
        auto lock = lockFor(folder);
        if (!lock->tryLock(0))
            continue;
        // A folder under this name is a dead instance's.
        QDir(folder).removeRecursively();
        if (!QDir().mkdir(folder))
            return {folder, systemErrorText(errno)};
        h.folder = folder;
        h.lock = std::move(lock);
        return {folder, {}};
    }
    return {folder, QStringLiteral("its lock is held")};
}

void releaseInstanceTempFolder() {
    Held& h = held();
    if (!h.lock)
        return;
    QDir(h.folder).removeRecursively();
    h.lock.reset(); // unlocks and removes the lock file
    h.folder.clear();
}

void removeAbandonedTempFolders() {
    const QDir user(userTempFolder());
    static const QRegularExpression instance(QStringLiteral("^[0-9]+(-[0-9])?$"));
    const QStringList folders = user.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : folders) {
        if (!instance.match(name).hasMatch())
            continue;
        const QString folder = user.filePath(name);
        if (folder == held().folder)
            continue;
        // A folder without a lock was left between the two steps of an end.
        auto lock = lockFor(folder);
        if (lock->tryLock(0)) {
            QDir(folder).removeRecursively();
            lock.reset();
        }
    }
}

} // namespace zamt
