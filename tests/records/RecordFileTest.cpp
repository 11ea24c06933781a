#include "RecordTestSupport.h"

#include "records/RecordFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

using test::folderEntries;
using test::kPrevious;
using test::readFile;
using test::ScopedFileCalls;
using test::TempDir;

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

struct stat statOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(local(path).c_str(), &st), 0) << path.toStdString();
    return st;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}


TEST(RecordFile, CreatesANewFileWithTheUsualPermissions) {
    TempDir dir;
    RecordFile file(dir.file("data07.txt"));
    ASSERT_TRUE(file.open());
    // The content is prepared beside the target, which does not exist yet.
    EXPECT_EQ(QFileInfo(file.temporary()).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_TRUE(QFile::exists(file.temporary()));
    EXPECT_FALSE(QFile::exists(dir.file("data07.txt")));
    EXPECT_EQ(file.commit("line\r\n"), 0);
    EXPECT_EQ(readFile(dir.file("data07.txt")), "line\r\n");
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
    EXPECT_EQ(statOf(dir.file("data07.txt")).st_mode & 07777, 0666 & ~currentUmask());
}

TEST(RecordFile, ReplacesTheWholeContentAndKeepsThePermissionBits) {
    for (const mode_t mode : {0640, 0604, 0200}) {
        TempDir dir;
        const QString path = dir.write("data07.txt", QByteArray(5000, 'x'));
        ASSERT_EQ(::chmod(local(path).c_str(), mode), 0);
        const ino_t before = statOf(path).st_ino;
        RecordFile file(path);
        ASSERT_TRUE(file.open()) << std::oct << mode;
        // Until the commit the old content stays in place.
        EXPECT_EQ(statOf(path).st_size, 5000);
        EXPECT_EQ(file.commit("short"), 0);
        const struct stat after = statOf(path);
        EXPECT_EQ(after.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_NE(after.st_ino, before) << "the file was not replaced as a whole";
        ::chmod(local(path).c_str(), 0600); // a write-only file cannot be read back
        EXPECT_EQ(readFile(path), "short") << std::oct << mode;
        EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
    }
}

// A folder where no new file may be created: the record cannot be replaced
// as a whole, so it is overwritten where it lies; elsewhere it is replaced.
TEST(RecordFile, OverwritesInPlaceOnlyWhereNoTemporaryFileCanBeMade) {
    for (const bool lockedFolder : {false, true}) {
        TempDir dir;
        const QString path = dir.write("data07.txt", QByteArray(5000, 'x'));
        const ino_t before = statOf(path).st_ino;
        ::chmod(local(dir.path()).c_str(), lockedFolder ? 0555 : 0755);
        RecordFile file(path);
        ASSERT_TRUE(file.open()) << lockedFolder;
        EXPECT_EQ(file.temporary().isEmpty(), lockedFolder);
        EXPECT_EQ(statOf(path).st_size, 5000) << "truncated before the commit";
        EXPECT_EQ(file.commit("short"), 0);
        ::chmod(local(dir.path()).c_str(), 0755);
        EXPECT_EQ(readFile(path), "short") << lockedFolder;
        EXPECT_EQ(statOf(path).st_ino == before, lockedFolder);
        EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
    }
}

TEST(RecordFile, WritesThroughSymbolicLinksToTheFileTheyName) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links; // name -> link text
        bool realExists;
        const char* chosen;
    } cases[] = {
        {"a chain of links", {{"first", "second"}, {"second", "sub/real.txt"}}, true, "first"},
        {"a link to a file not yet written", {{"link.txt", "sub/real.txt"}}, false, "link.txt"},
        {"an absolute link", {{"link.txt", nullptr}}, true, "link.txt"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
        const QString real = dir.file("sub/real.txt");
        if (c.realExists)
            dir.write("sub/real.txt", kPrevious);
        for (const auto& [name, text] : c.links) {
            const std::string linkText = text ? std::string(text) : local(real);
            ASSERT_EQ(::symlink(linkText.c_str(), local(dir.file(name)).c_str()), 0) << c.what;
        }
        RecordFile file(dir.file(c.chosen));
        ASSERT_TRUE(file.open()) << c.what;
        const QFileInfo target(file.target());
        EXPECT_EQ(QFileInfo(target.absolutePath()).canonicalFilePath() + "/" + target.fileName(),
                  QFileInfo(dir.file("sub")).canonicalFilePath() + "/real.txt")
            << c.what;
        ASSERT_EQ(file.commit("new record"), 0) << c.what;
        EXPECT_EQ(readFile(real), "new record") << c.what;
        for (const auto& [name, text] : c.links)
            EXPECT_TRUE(S_ISLNK(statOf(dir.file(name)).st_mode)) << c.what << ": " << name;
        EXPECT_EQ(readFile(dir.file(c.chosen)), "new record") << c.what;
        EXPECT_EQ(folderEntries(dir.file("sub")), QStringList{"real.txt"}) << c.what;
    }
}

TEST(RecordFile, FollowsALinkToANameOutsideTheLocaleEncoding) {
    TempDir dir;
    const std::string name = "\xE7\xE0\xEF.txt"; // Windows-1251 bytes, not UTF-8
    ASSERT_EQ(::symlink(name.c_str(), local(dir.file("link.txt")).c_str()), 0);
    RecordFile file(dir.file("link.txt"));
    ASSERT_TRUE(file.open());
    ASSERT_EQ(file.commit("record"), 0);
    const std::string real = local(dir.path()) + "/" + name;
    struct stat st {};
    EXPECT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 6);
    EXPECT_TRUE(S_ISLNK(statOf(dir.file("link.txt")).st_mode));
    ::unlink(real.c_str()); // a name the folder's cleanup cannot spell
}

// Writes at most a few bytes per call and is interrupted now and then, as a
// slow device or a signal may cause.
class StutteringCalls : public FileCalls {
public:
    ssize_t write(int fd, const void* data, size_t size) override {
        if (++calls % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return FileCalls::write(fd, data, std::min<size_t>(size, 7));
    }
    int calls = 0;
};

TEST(RecordFile, ShortAndInterruptedWritesStillWriteEverything) {
    TempDir dir;
    const std::string record = test::exampleRecord(',');
    auto calls = std::make_unique<StutteringCalls>();
    StutteringCalls& seen = *calls;
    ScopedFileCalls scoped(std::move(calls));
    RecordFile file(dir.file("data07.txt"));
    ASSERT_TRUE(file.open());
    ASSERT_EQ(file.commit(record), 0);
    EXPECT_EQ(readFile(dir.file("data07.txt")).toStdString(), record);
    EXPECT_GT(seen.calls, static_cast<int>(record.size() / 7));
}

class NoProgressCalls : public FileCalls {
public:
    ssize_t write(int, const void*, size_t) override { return 0; }
};

TEST(RecordFile, AWriteThatTakesNothingCountsAsAFullDisk) {
    TempDir dir;
    dir.write("data07.txt", kPrevious);
    ScopedFileCalls scoped(std::make_unique<NoProgressCalls>());
    RecordFile file(dir.file("data07.txt"));
    ASSERT_TRUE(file.open());
    EXPECT_EQ(file.commit("record"), ENOSPC);
    EXPECT_EQ(readFile(dir.file("data07.txt")), kPrevious);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
}

TEST(RecordFile, ATemporaryFileNotCommittedIsRemoved) {
    TempDir dir;
    dir.write("data07.txt", kPrevious);
    {
        RecordFile file(dir.file("data07.txt"));
        ASSERT_TRUE(file.open());
        EXPECT_EQ(folderEntries(dir.path()).size(), 2);
    }
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
    EXPECT_EQ(readFile(dir.file("data07.txt")), kPrevious);
}

TEST(RecordFile, ADeviceIsWrittenInPlace) {
    if (::access("/dev/null", W_OK) != 0)
        GTEST_SKIP() << "/dev/null cannot be written here";
    RecordFile file("/dev/null");
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.temporary().isEmpty());
    EXPECT_EQ(file.commit(test::exampleRecord(',')), 0);
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));
}

} // namespace
} // namespace zamt
