#include "platform/InstanceTempFolder.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zamt::test {
namespace {

// TMPDIR pointed at a fresh folder for one test.
class TempPathScope {
public:
    TempPathScope() { qputenv("TMPDIR", QFile::encodeName(dir_.path())); }
    ~TempPathScope() {
        releaseInstanceTempFolder();
        qunsetenv("TMPDIR");
    }

private:
    TempDir dir_;
};

// Another instance: a child process that makes its folder with a page file
// in it, then waits until it is killed, leaving everything behind.
class Instance {
public:
    Instance() {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            const InstanceTempFolder folder = instanceTempFolder();
            QFile page(folder.path + QStringLiteral("/RPTabcdef"));
            const bool made = folder.error.isEmpty() && page.open(QIODevice::WriteOnly);
            const QByteArray line = QFile::encodeName(made ? folder.path : QString()) + '\n';
            (void)!::write(ready[1], line.constData(), size_t(line.size()));
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char buffer[4096];
        const ssize_t got = ::read(ready[0], buffer, sizeof buffer);
        ::close(ready[0]);
        if (got > 1)
            folder_ = QFile::decodeName(QByteArray(buffer, int(got) - 1));
    }
    ~Instance() { kill(); }
    QString folder() const { return folder_; }
    void kill() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    QString folder_;
};

TEST(InstanceTempFolder, AStartRemovesOnlyTheFoldersOfInstancesThatNoLongerRun) {
    TempPathScope temp;
    Instance live;
    Instance dead;
    ASSERT_FALSE(live.folder().isEmpty());
    ASSERT_FALSE(dead.folder().isEmpty());
    dead.kill();
    const QDir user(userTempFolder());
    ASSERT_TRUE(user.mkdir(QStringLiteral("4000000"))); // left without its lock
    ASSERT_TRUE(user.mkdir(QStringLiteral("cache")));
    QFile notes(user.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    const InstanceTempFolder own = instanceTempFolder();
    ASSERT_TRUE(own.error.isEmpty()) << own.error.toStdString();

    removeAbandonedTempFolders();

    const struct {
        QString path;
        bool kept;
    } cases[] = {
        {live.folder() + QStringLiteral("/RPTabcdef"), true},
        {live.folder() + QStringLiteral(".lock"), true},
        {dead.folder(), false},
        {dead.folder() + QStringLiteral(".lock"), false},
        {user.filePath(QStringLiteral("4000000")), false},
        {user.filePath(QStringLiteral("cache")), true},
        {user.filePath(QStringLiteral("notes")), true},
        {own.path, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(c.path), c.kept) << c.path.toStdString();

    // Once the other instance is gone, the next start removes its files too;
    // this instance's go when it ends.
    live.kill();
    removeAbandonedTempFolders();
    EXPECT_FALSE(QFileInfo::exists(live.folder()));
    releaseInstanceTempFolder();
    EXPECT_FALSE(QFileInfo::exists(own.path));
    EXPECT_FALSE(QFileInfo::exists(own.path + QStringLiteral(".lock")));
    EXPECT_EQ(QFileInfo(userTempFolder()).permissions() & 0x0077, 0) << "closed to others";
}

TEST(InstanceTempFolder, RefusesAUserFolderThatIsNotAFolderOfTheUser) {
    TempPathScope temp;
    QFile stranger(userTempFolder());
    ASSERT_TRUE(stranger.open(QIODevice::WriteOnly));
    stranger.close();
    const InstanceTempFolder folder = instanceTempFolder();
    EXPECT_EQ(folder.error, QDir::toNativeSeparators(userTempFolder()) +
                                QStringLiteral(" is not a folder of this user"));
    EXPECT_FALSE(QFileInfo::exists(folder.path));
}

} // namespace
} // namespace zamt::test
