// Saving the shown page stream as a snapshot file: byte for byte, replacing
// the old file only when every byte has been written.
#include "report/preview/SnapshotFile.h"

#include "PreviewTestSupport.h"
#include "platform/AppError.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

std::string errorOfSave(QIODevice* stream, const QString& path) {
    try {
        saveSnapshot(stream, path);
    } catch (const AppError& error) {
        return error.message().toStdString();
    }
    return "no error";
}

// A stream whose reads fail after `good` bytes.
class FailingStream : public QBuffer {
public:
    FailingStream(QByteArray* data, qint64 good) : QBuffer(data), good_(good) {}

protected:
    qint64 readData(char* data, qint64 size) override {
        if (pos() >= good_)
            return -1;
        return QBuffer::readData(data, std::min(size, good_ - pos()));
    }

private:
    qint64 good_;
};

TEST(SnapshotFile, CopiesTheStreamByteForByteAndKeepsItsPosition) {
    TempDir dir;
    QByteArray bytes = numberedPages(40);
    bytes.append(QByteArray(200000, '\x55')); // more than one piece of the copy
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    stream.seek(1234);
    const QString path = dir.write(QStringLiteral("old.rps"), "an older snapshot");
    saveSnapshot(&stream, path);
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(stream.pos(), 1234);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.rps")});
}

TEST(SnapshotFile, FailuresLeaveTheOldFileAndThePosition) {
    TempDir dir;
    QByteArray bytes = numberedPages(3);
    FailingStream stream(&bytes, 100);
    stream.open(QIODevice::ReadOnly);
    stream.seek(50);
    const QString path = dir.write(QStringLiteral("old.rps"), "an older snapshot");
    EXPECT_EQ(errorOfSave(&stream, path), "Stream read error");
    EXPECT_EQ(readFile(path), QByteArray("an older snapshot"));
    EXPECT_EQ(stream.pos(), 50);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.rps")});
}

TEST(SnapshotFile, NamesThatCannotBeCreated) {
    TempDir dir;
    QByteArray bytes = numberedPages(1);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    const QString missing = dir.file(QStringLiteral("no folder/a.rps"));
    EXPECT_EQ(errorOfSave(&stream, missing),
              QStringLiteral("Cannot create file \"%1\". %2")
                  .arg(shownPath(missing), reasonFor(Refusal::NoSuchFolder))
                  .toStdString());
    EXPECT_EQ(errorOfSave(&stream, dir.path()),
              QStringLiteral("Cannot create file \"%1\". %2")
                  .arg(shownPath(dir.path()), reasonFor(Refusal::FolderWritten))
                  .toStdString());
}

TEST(SnapshotFile, OverwritesInPlaceWhereTheFolderTakesNoNewFile) {
    TempDir dir;
    const QString folder = dir.file(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/old.rps");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older snapshot, longer than the new one will be at all, surely not");
    }
    // (Root may create files in any folder; then the file is replaced as usual.)
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QByteArray bytes = numberedPages(1);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    saveSnapshot(&stream, path);
    EXPECT_EQ(readFile(path), bytes);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace zamt::test
