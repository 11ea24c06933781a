#include "platform/InstanceTempFolder.h"

#include "platform/FileFailure.h"
#include "platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <memory>

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

QString lockName(const QString& folder) { return folder + QStringLiteral(".lock"); }

// A lock that does not expire with age: only a lock whose process is gone
// is taken over.
std::unique_ptr<QLockFile> lockFor(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(lockName(folder));
    lock->setStaleLockTime(0);
    return lock;
}

QString userFolderIn(const QString& temporary) {
    return temporary + QStringLiteral("/zamt05-") + userIdText();
}

} // namespace

QString userTempFolder() {
    return userFolderIn(temporaryFolder().path);
}

InstanceTempFolder instanceTempFolder() {
    Held& h = held();
    // The temporary folder is read from the environment each time; when it
    // changed, the files go to the new one.
    const InstanceTempFolder temporary = temporaryFolder();
    const QString user = userFolderIn(temporary.path);
    if (h.lock && QFileInfo(h.folder).path() == user)
        return {h.folder, {}};
    releaseInstanceTempFolder();
    if (!temporary.error.isEmpty())
        return temporary;
    const QString number = QString::number(QCoreApplication::applicationPid());
    QString folder = user + QLatin1Char('/') + number;
    if (const QString error = makePrivateFolder(user); !error.isEmpty())
        return {folder, error};
    // A lock under this process's number held by another means a dead
    // instance of the same number whose lock is still being left; take the
    // next free name.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0)
            folder = user + QLatin1Char('/') + number + QLatin1Char('-') + QString::number(attempt);
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
