#include "records/PassportWriter.h"

#include "PassportWriterFixture.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "platform/HandlerGuard.h"
#include "records/PassportRecord.h"
#include "support/FailingFileCalls.h"
#include "support/ScriptedServices.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {
namespace {

using test::exampleMeasurement;
using test::exampleRecord;
using test::FailingFileCalls;
using test::folderEntries;
using test::kAccessError;
using test::kPrevious;
using test::readFile;
using test::ScopedFileCalls;
using test::ScriptedServices;
using test::TempDir;

MessageBox information(const char* utf8) {
    return {BoxKind::Information, "Information", QString::fromUtf8(utf8)};
}
const MessageBox kZeroKg{BoxKind::Plain, "zamt05",
                         QString::fromUtf8("у вас деление на zamt_g = 0!")};

QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}

Measurement namedExample(std::string_view utf8Name) {
    Measurement m = exampleMeasurement();
    m.object_name = cp1251(utf8Name);
    return m;
}

class PassportWriter : public test::PassportWriterFixture {};

TEST_F(PassportWriter, DialogStartsWithData07InTheStartFolder) {
    const OpenFileRequest expected{QString::fromUtf8("Текстовые файлы|*.txt"), "/home/op/zamt",
                                   "/home/op/zamt/data07.txt", false};
    EXPECT_EQ(passportDialogRequest("/home/op/zamt"), expected);
}

TEST_F(PassportWriter, WritesTheExampleAndReportsItsSizeOnceTheRecordIsInPlace) {
    const QString path = dir.file("data07.txt");
    QByteArray atMessage;
    QStringList entriesAtMessage;
    services.boxes.onShow = [&](const MessageBox&) {
        atMessage = readFile(path);
        entriesAtMessage = folderEntries(dir.path());
    };
    const OpenFileRequest asStarted = request;
    press(path, exampleMeasurement());

    ASSERT_EQ(services.dialogs.requests.size(), 1u);
    EXPECT_EQ(services.dialogs.requests[0], asStarted);
    EXPECT_EQ(services.boxes.shown, std::vector{information("Уже записано: 11Kbit")});
    EXPECT_EQ(atMessage, bytes(exampleRecord(',')));
    EXPECT_EQ(entriesAtMessage, QStringList{"data07.txt"});
    const QByteArray written = readFile(path);
    EXPECT_EQ(written, bytes(exampleRecord(',')));
    EXPECT_EQ(written.size(), 1492);
    EXPECT_EQ(written.count("\r\n"), 30);
}

TEST_F(PassportWriter, WritesNumbersWithTheSettingsSeparator) {
    setDecimalSeparator('.');
    press(dir.file("data07.txt"), exampleMeasurement());
    EXPECT_EQ(readFile(dir.file("data07.txt")), bytes(exampleRecord('.')));
    EXPECT_EQ(services.boxes.shown, std::vector{information("Уже записано: 11Kbit")});
}

TEST_F(PassportWriter, SizeMessageCountsWholeBlocksOf128Bytes) {
    // A name of 62 bytes instead of 18 makes the record 1536 bytes long.
    Measurement m = exampleMeasurement();
    m.object_name = std::string(62, 'n');
    press(dir.file("data07.txt"), m);
    EXPECT_EQ(readFile(dir.file("data07.txt")).size(), 1536);
    EXPECT_EQ(services.boxes.shown, std::vector{information("Уже записано: 12Kbit")});
}

TEST_F(PassportWriter, AConfirmedChoiceIsTheNextStart) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("records"));
    const QString chosen = dir.file("records/pump3.txt");
    press(chosen, exampleMeasurement());
    EXPECT_EQ(request.fileName, chosen);
    EXPECT_EQ(request.initialDir, dir.file("records"));
    EXPECT_EQ(request.filter, QString::fromUtf8("Текстовые файлы|*.txt"));
    EXPECT_FALSE(request.mustExist);

    press(std::nullopt, exampleMeasurement()); // cancelled
    ASSERT_EQ(services.dialogs.requests.size(), 2u);
    EXPECT_EQ(services.dialogs.requests[1].fileName, chosen);
    EXPECT_EQ(services.dialogs.requests[1].initialDir, dir.file("records"));
    EXPECT_EQ(request.fileName, chosen);
}

TEST_F(PassportWriter, CancelledDialogTouchesNothing) {
    dir.write("data07.txt", kPrevious);
    const OpenFileRequest before = request;
    press(std::nullopt, exampleMeasurement());
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(request, before);
    EXPECT_EQ(readFile(dir.file("data07.txt")), kPrevious);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
}

TEST_F(PassportWriter, ZeroKgIsRefusedAndTheChosenFileIsUntouched) {
    for (const double zero : {0.0, -0.0}) {
        for (const bool existed : {true, false}) {
            TempDir folder;
            ScriptedServices local;
            const QString path = folder.file("data07.txt");
            if (existed)
                folder.write("data07.txt", kPrevious);
            Measurement m = exampleMeasurement();
            m.K_g = zero;
            local.dialogs.answers.push_back(path);
            EXPECT_NO_THROW(writePassportRecord(nullptr, request, m));
            EXPECT_EQ(local.boxes.shown, std::vector{kZeroKg});
            EXPECT_EQ(readFile(path), existed ? kPrevious : QByteArray());
            EXPECT_EQ(folderEntries(folder.path()),
                      existed ? QStringList{"data07.txt"} : QStringList{});
        }
    }
}

TEST_F(PassportWriter, TwoWritesLeaveOnlyTheSecondRecord) {
    const QString path = dir.file("data07.txt");
    press(path, namedExample("первая"));
    press(path, namedExample("вторая"));
    const QByteArray written = readFile(path);
    EXPECT_EQ(written, bytes(formatPassportRecord(namedExample("вторая"), ',')));
    EXPECT_EQ(written.count("\r\n"), 30);
    EXPECT_EQ(written.count(bytes(cp1251("наименование: "))), 1);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
}

TEST_F(PassportWriter, ANameWithoutExtensionIsUsedAsTyped) {
    press(dir.file("passport"), exampleMeasurement());
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"passport"});
    EXPECT_EQ(readFile(dir.file("passport")), bytes(exampleRecord(',')));
}

QByteArray localName(const QString& path) {
    return QFile::encodeName(path);
}

// Gives a folder back its rights so that it can be cleaned up.
struct WritableAgain {
    QString folder;
    ~WritableAgain() { ::chmod(localName(folder).constData(), 0700); }
};

TEST_F(PassportWriter, TargetThatCannotBeOpenedGivesFileAccessError) {
    const struct {
        const char* what;
        std::function<QString(const TempDir&)> prepare; // returns the chosen path
    } cases[] = {
        {"read-only file",
         [](const TempDir& d) {
             const QString p = d.write("data07.txt", kPrevious);
             ::chmod(localName(p).constData(), 0444);
             return p;
         }},
        {"file without any rights",
         [](const TempDir& d) {
             const QString p = d.write("data07.txt", kPrevious);
             ::chmod(localName(p).constData(), 0);
             return p;
         }},
        {"link to a read-only file",
         [](const TempDir& d) {
             ::chmod(localName(d.write("real.txt", kPrevious)).constData(), 0444);
             ::symlink("real.txt", localName(d.file("data07.txt")).constData());
             return d.file("data07.txt");
         }},
        {"missing folder", [](const TempDir& d) { return d.file("gone/data07.txt"); }},
        {"folder in place of the file",
         [](const TempDir& d) {
             QDir(d.path()).mkdir("data07.txt");
             return d.file("data07.txt");
         }},
        {"no rights to the folder, new file",
         [](const TempDir& d) {
             QDir(d.path()).mkdir("locked");
             ::chmod(localName(d.file("locked")).constData(), 0555);
             return d.file("locked/data07.txt");
         }},
        {"no rights to the folder, read-only file",
         [](const TempDir& d) {
             QDir(d.path()).mkdir("locked");
             ::chmod(localName(d.write("locked/data07.txt", kPrevious)).constData(), 0444);
             ::chmod(localName(d.file("locked")).constData(), 0555);
             return d.file("locked/data07.txt");
         }},
        {"name ending in a slash", [](const TempDir& d) { return d.file("data07.txt/"); }},
        {"name too long", [](const TempDir& d) { return d.file(QString(300, 'a')); }},
        {"a file used as a folder",
         [](const TempDir& d) { return QFileInfo(d.write("plain", kPrevious)).filePath() + "/x"; }},
        {"a loop of links",
         [](const TempDir& d) {
             ::symlink("b", localName(d.file("a")).constData());
             ::symlink("a", localName(d.file("b")).constData());
             return d.file("a");
         }},
    };
    for (const auto& c : cases) {
        TempDir folder;
        WritableAgain restore{folder.file("locked")};
        ScriptedServices local;
        const QString chosen = c.prepare(folder);
        const QStringList entries = folderEntries(folder.path());
        const QStringList lockedEntries = folderEntries(folder.file("locked"));
        const QByteArray previous = readFile(folder.file("data07.txt"));
        local.dialogs.answers.push_back(chosen);
        EXPECT_NO_THROW(writePassportRecord(nullptr, request, exampleMeasurement())) << c.what;
        EXPECT_EQ(local.boxes.shown, std::vector{kAccessError}) << c.what;
        EXPECT_EQ(readFile(folder.file("data07.txt")), previous) << c.what;
        EXPECT_EQ(folderEntries(folder.path()), entries) << c.what;
        EXPECT_EQ(folderEntries(folder.file("locked")), lockedEntries) << c.what;
    }
}

TEST_F(PassportWriter, AWritableRecordInAFolderWithoutRightsIsOverwrittenInPlace) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    WritableAgain restore{dir.file("locked")};
    const QString path = dir.write("locked/data07.txt", QByteArray(5000, 'x'));
    ::chmod(localName(dir.file("locked")).constData(), 0555);
    press(path, exampleMeasurement());
    EXPECT_EQ(readFile(path), bytes(exampleRecord(',')));
    EXPECT_EQ(folderEntries(dir.file("locked")), QStringList{"data07.txt"});
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].text.startsWith(QStringLiteral("Уже записано: ")));
}

TEST_F(PassportWriter, AWriteErrorEndsInTheStandardErrorBoxAndKeepsThePreviousRecord) {
    using Call = FailingFileCalls::Call;
    ASSERT_EQ(exampleRecord(',').size() / 128 + 1, 12u); // blocks written
    const struct {
        Call call;
        int nth;
        int error;
        const char* box;
    } cases[] = {
        {Call::Write, 1, ENOSPC, "I/O error 28."},
        {Call::Write, 7, EIO, "I/O error 5."},
        {Call::Write, 12, EACCES, "File access denied."},
        {Call::Write, 3, ENOENT, "File not found."},
        {Call::Fsync, 1, EIO, "I/O error 5."},
        {Call::Close, 1, EDQUOT, "I/O error 122."},
        {Call::Rename, 1, EPERM, "File access denied."},
    };
    for (const bool existed : {true, false}) {
        for (const auto& c : cases) {
            TempDir folder;
            ScriptedServices local;
            const QString path = folder.file("data07.txt");
            if (existed)
                folder.write("data07.txt", kPrevious);
            auto calls = FailingFileCalls::at(c.call, c.nth, c.error);
            const FailingFileCalls& seen = *calls;
            ScopedFileCalls scoped(std::move(calls));
            local.dialogs.answers.push_back(path);
            runGuarded([&] { writePassportRecord(nullptr, request, exampleMeasurement()); });
            EXPECT_EQ(local.boxes.shown,
                      (std::vector<MessageBox>{{BoxKind::Error, "zamt05", c.box}}))
                << c.box;
            if (c.call == Call::Write) {
                EXPECT_EQ(seen.writes, c.nth) << c.box << ": went on writing after the error";
            }
            EXPECT_EQ(readFile(path), existed ? kPrevious : QByteArray()) << c.box;
            EXPECT_EQ(folderEntries(folder.path()),
                      existed ? QStringList{"data07.txt"} : QStringList{})
                << c.box;
        }
    }
}

// A 16 KiB tmpfs mounted over a folder for the lifetime of the object.
class SmallDevice {
public:
    explicit SmallDevice(const QString& folder) : path_(QFile::encodeName(folder).toStdString()) {
        if (::geteuid() != 0) {
            why_ = "not running as root";
            return;
        }
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k") == 0;
        if (!mounted_)
            why_ = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
    }
    ~SmallDevice() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }

    // Fills the device with one file until it takes nothing more.
    int fill(const QString& filler) {
        const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0)
            return errno;
        const std::string block(4096, 'f');
        int error = 0;
        for (int i = 0; i < 64 && error == 0; ++i)
            if (::write(fd, block.data(), block.size()) < 0)
                error = errno;
        ::close(fd);
        return error;
    }

private:
    std::string path_;
    bool mounted_ = false;
    std::string why_;
};

TEST_F(PassportWriter, AFullDeviceKeepsThePreviousRecord) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("device"));
    SmallDevice device(dir.file("device"));
    if (!device.mounted())
        GTEST_SKIP() << "no small device to fill: " << device.why();
    const QString path = dir.file("device/data07.txt");
    press(path, namedExample("первая"));
    ASSERT_EQ(services.boxes.shown, std::vector{information("Уже записано: 11Kbit")});
    ASSERT_EQ(device.fill(dir.file("device/filler")), ENOSPC);

    services.boxes.shown.clear();
    services.dialogs.answers.push_back(path);
    runGuarded([&] { writePassportRecord(nullptr, request, namedExample("вторая")); });
    EXPECT_EQ(services.boxes.shown,
              (std::vector<MessageBox>{{BoxKind::Error, "zamt05", "I/O error 28."}}));
    EXPECT_EQ(readFile(path), bytes(formatPassportRecord(namedExample("первая"), ',')));
    EXPECT_EQ(folderEntries(dir.file("device")), (QStringList{"data07.txt", "filler"}));
}

} // namespace
} // namespace zamt
