// Replacing a file through a temporary file beside it, and every way that
// can fail: the old content stays byte for byte, no temporary file stays in
// the folder, and the failure is told in the one message form.
#include "platform/FileReplacement.h"

#include "platform/FileReplacementDevice.h"
#include "support/FailingFileCalls.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

using test::FailingFileCalls;
using test::readFile;
using test::ScopedFileCalls;
using test::TempDir;
using Call = FailingFileCalls::Call;

const QByteArray kOld = "the old content\r\n";

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

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

QString expected(const char* step, const QString& path, int error) {
    return QStringLiteral("Cannot %1 file \"%2\". %3")
        .arg(QLatin1String(step), QFileInfo(path).absoluteFilePath(),
             QString::fromLocal8Bit(std::strerror(error)));
}

// The two ways a writer fills the file: through the device, or by name as
// the printer does.
enum class Face { Device, Path };

bool writeThrough(FileReplacement& file, Face face, const QByteArray& content) {
    if (face == Face::Device)
        return file.device()->write(content) == content.size();
    QFile byName(file.writePath());
    return byName.open(QIODevice::WriteOnly) && byName.write(content) == content.size();
}

TEST(FileReplacement, EveryFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const struct {
        Call call;
        int nth;
        qint64 bytes; // the writes stop after so many bytes; -1: the nth call fails
        int error;
    } cases[] = {
        {Call::Open, 1, -1, EMFILE},   {Call::Write, 9, -1, EIO}, {Call::Write, 0, 40, ENOSPC},
        {Call::Write, 0, 999, EFBIG},  {Call::Fsync, 1, -1, EIO}, {Call::Close, 1, -1, EDQUOT},
        {Call::Rename, 1, -1, EACCES},
    };
    for (const Face face : {Face::Device, Face::Path}) {
        for (const bool existed : {true, false}) {
            for (const auto& c : cases) {
                if (face == Face::Path && c.call == Call::Write)
                    continue; // a writer by name does its writes itself
                const std::string what =
                    std::to_string(int(c.call)) + "/" + std::to_string(c.bytes) +
                    (existed ? " replacing" : " new") + (face == Face::Path ? " by name" : "");
                TempDir dir;
                const QString path = existed ? dir.write("out.bin", kOld) : dir.file("out.bin");
                const QStringList before = entries(dir.path());
                ScopedFileCalls scoped(c.bytes >= 0 ? FailingFileCalls::afterBytes(c.bytes, c.error)
                                                    : FailingFileCalls::at(c.call, c.nth, c.error));
                FileReplacement file(path, 16);
                const bool opened = file.open();
                EXPECT_EQ(opened, c.call != Call::Open) << what;
                if (opened) {
                    writeThrough(file, face, QByteArray(1000, 'n')); // 63 blocks of 16 bytes
                    EXPECT_FALSE(file.commit()) << what;
                }
                EXPECT_EQ(file.error(), c.error) << what;
                EXPECT_EQ(file.errorMessage(), expected(opened ? "write" : "create", path, c.error))
                    << what;
                EXPECT_EQ(readFile(path), existed ? kOld : QByteArray()) << what;
                EXPECT_EQ(entries(dir.path()), before) << what;
            }
        }
    }
}

TEST(FileReplacement, ANewFileGetsTheUmaskAndAReplacedOneKeepsItsMode) {
    TempDir dir;
    FileReplacement created(dir.file("new.bin"));
    ASSERT_TRUE(created.open());
    // The content is prepared beside the target, which does not exist yet.
    EXPECT_EQ(QFileInfo(created.temporary()).absolutePath(),
              QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(created.temporary()).fileName().startsWith(".new.bin."));
    EXPECT_FALSE(QFile::exists(dir.file("new.bin")));
    created.device()->write("line\r\n");
    ASSERT_TRUE(created.commit());
    EXPECT_EQ(readFile(dir.file("new.bin")), "line\r\n");
    EXPECT_EQ(statOf(dir.file("new.bin")).st_mode & 07777, 0666 & ~currentUmask());

    for (const mode_t mode : {0640, 0604, 0200}) {
        const QString path = dir.write("old.bin", QByteArray(5000, 'x'));
        ASSERT_EQ(::chmod(local(path).c_str(), mode), 0);
        const ino_t before = statOf(path).st_ino;
        FileReplacement file(path);
        ASSERT_TRUE(file.open()) << std::oct << mode;
        file.device()->write("short");
        EXPECT_EQ(statOf(path).st_size, 5000) << "the old content stays until the commit";
        ASSERT_TRUE(file.commit());
        const struct stat after = statOf(path);
        EXPECT_EQ(after.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_NE(after.st_ino, before) << "the file was not replaced as a whole";
        ::chmod(local(path).c_str(), 0600); // a write-only file cannot be read back
        EXPECT_EQ(readFile(path), "short") << std::oct << mode;
        EXPECT_EQ(entries(dir.path()), (QStringList{"new.bin", "old.bin"}));
        QFile::remove(path);
    }
}

// A folder where no new file may be created: the file cannot be replaced
// as a whole, so it is written where it lies; elsewhere it is replaced.
TEST(FileReplacement, WritesInPlaceOnlyWhereTheFolderRefusesNewFiles) {
    for (const Face face : {Face::Device, Face::Path}) {
        for (const bool lockedFolder : {false, true}) {
            TempDir dir;
            const QString path = dir.write("out.bin", QByteArray(5000, 'x'));
            const ino_t before = statOf(path).st_ino;
            ::chmod(local(dir.path()).c_str(), lockedFolder ? 0555 : 0755);
            FileReplacement file(path);
            ASSERT_TRUE(file.open()) << lockedFolder;
            EXPECT_EQ(file.mode() == FileReplacement::Mode::InPlace, lockedFolder);
            EXPECT_EQ(file.temporary().isEmpty(), lockedFolder);
            EXPECT_EQ(statOf(path).st_size, 5000) << "emptied before anything was written";
            writeThrough(file, face, "short");
            EXPECT_TRUE(file.commit());
            ::chmod(local(dir.path()).c_str(), 0755);
            EXPECT_EQ(readFile(path), "short") << lockedFolder;
            EXPECT_EQ(statOf(path).st_ino == before, lockedFolder);
            EXPECT_EQ(entries(dir.path()), QStringList{"out.bin"});
        }
    }
}

TEST(FileReplacement, TheDeviceSeeksBackAndCutsBeforeTheCommit) {
    TempDir dir;
    FileReplacement file(dir.file("out.bin"), 8);
    ASSERT_TRUE(file.open());
    QIODevice& device = *file.device();
    device.write("0123456789abcdefghij");
    ASSERT_TRUE(device.seek(2));
    device.write("XY");
    ASSERT_TRUE(device.seek(18)); // inside the block not yet written out
    device.write("ZZZZ");
    EXPECT_EQ(device.size(), 22);
    ASSERT_TRUE(dynamic_cast<FileReplacementDevice*>(&device) != nullptr);
    ASSERT_TRUE(static_cast<FileReplacementDevice&>(device).resize(20));
    EXPECT_EQ(device.pos(), 20);
    device.write("!");
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(readFile(dir.file("out.bin")), "01XY456789abcdefghZZ!");
}

TEST(FileReplacement, WritesThroughSymbolicLinksToTheFileTheyName) {
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
            dir.write("sub/real.txt", kOld);
        for (const auto& [name, text] : c.links) {
            const std::string linkText = text ? std::string(text) : local(real);
            ASSERT_EQ(::symlink(linkText.c_str(), local(dir.file(name)).c_str()), 0) << c.what;
        }
        FileReplacement file(dir.file(c.chosen));
        ASSERT_TRUE(file.open()) << c.what;
        const QFileInfo target(file.target());
        EXPECT_EQ(QFileInfo(target.absolutePath()).canonicalFilePath() + "/" + target.fileName(),
                  QFileInfo(dir.file("sub")).canonicalFilePath() + "/real.txt")
            << c.what;
        file.device()->write("new content");
        ASSERT_TRUE(file.commit()) << c.what;
        EXPECT_EQ(readFile(real), "new content") << c.what;
        for (const auto& [name, text] : c.links)
            EXPECT_TRUE(S_ISLNK(statOf(dir.file(name)).st_mode)) << c.what << ": " << name;
        EXPECT_EQ(entries(dir.file("sub")), QStringList{"real.txt"}) << c.what;
    }
}

TEST(FileReplacement, FollowsALinkToANameOutsideTheLocaleEncoding) {
    TempDir dir;
    const std::string name = "\xE7\xE0\xEF.txt"; // Windows-1251 bytes, not UTF-8
    ASSERT_EQ(::symlink(name.c_str(), local(dir.file("link.txt")).c_str()), 0);
    FileReplacement file(dir.file("link.txt"));
    ASSERT_TRUE(file.open());
    file.device()->write("record");
    ASSERT_TRUE(file.commit());
    const std::string real = local(dir.path()) + "/" + name;
    struct stat st {};
    EXPECT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 6);
    EXPECT_TRUE(S_ISLNK(statOf(dir.file("link.txt")).st_mode));
    ::unlink(real.c_str()); // a name the folder's cleanup cannot spell
}

// Writes at most a few bytes per call and is interrupted now and then, as a
// slow device or a signal may cause; or takes nothing at all.
class StutteringCalls : public FileCalls {
public:
    explicit StutteringCalls(size_t most) : most_(most) {}
    ssize_t write(int fd, const void* data, size_t size) override {
        if (++calls % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return most_ == 0 ? 0 : FileCalls::write(fd, data, std::min(size, most_));
    }
    int calls = 0;

private:
    size_t most_;
};

TEST(FileReplacement, ShortAndInterruptedWritesStillWriteEverythingAndNoProgressIsAFullDisk) {
    const QByteArray content(1500, 'r');
    for (const size_t most : {size_t(7), size_t(0)}) {
        TempDir dir;
        const QString path = dir.write("out.bin", kOld);
        auto calls = std::make_unique<StutteringCalls>(most);
        StutteringCalls& seen = *calls;
        ScopedFileCalls scoped(std::move(calls));
        FileReplacement file(path, 128);
        ASSERT_TRUE(file.open());
        file.device()->write(content);
        if (most == 0) {
            EXPECT_FALSE(file.commit());
            EXPECT_EQ(file.errorMessage(), expected("write", path, ENOSPC));
            EXPECT_EQ(readFile(path), kOld);
        } else {
            ASSERT_TRUE(file.commit());
            EXPECT_EQ(readFile(path), content);
            EXPECT_GT(seen.calls, int(content.size() / 7));
        }
        EXPECT_EQ(entries(dir.path()), QStringList{"out.bin"});
    }
}

TEST(FileReplacement, UncommittedOrGivenUpTheTemporaryFileGoes) {
    TempDir dir;
    const QString path = dir.write("out.bin", kOld);
    {
        FileReplacement file(path);
        ASSERT_TRUE(file.open());
        file.device()->write("never committed");
        EXPECT_EQ(entries(dir.path()).size(), 2);
    }
    EXPECT_EQ(entries(dir.path()), QStringList{"out.bin"});
    FileReplacement file(path);
    ASSERT_TRUE(file.open());
    file.fail(file.shortfallError());
    EXPECT_EQ(file.errorMessage(), expected("write", path, EIO)) << "the disk has room";
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(entries(dir.path()), QStringList{"out.bin"});
    EXPECT_EQ(readFile(path), kOld);
}

TEST(FileReplacement, ADeviceIsWrittenDirectly) {
    if (::access("/dev/null", W_OK) != 0)
        GTEST_SKIP() << "/dev/null cannot be written here";
    FileReplacement file("/dev/null");
    ASSERT_TRUE(file.open());
    EXPECT_EQ(file.mode(), FileReplacement::Mode::Stream);
    EXPECT_TRUE(file.temporary().isEmpty());
    EXPECT_TRUE(file.device()->isSequential());
    file.device()->write(QByteArray(100000, 'd'));
    EXPECT_TRUE(file.commit());
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));
}

} // namespace
} // namespace zamt
