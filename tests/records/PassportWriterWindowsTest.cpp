// The record written on Windows: wide paths, and Windows' own refusals (a
// file another program holds, the read-only attribute, device names, names
// Windows would cut short), each leaving what was there as it was.
#include "records/PassportWriter.h"

#include "PassportWriterFixture.h"
#include "platform/AppError.h"
#include "support/FailingFileCalls.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <windows.h>
#undef MessageBox // Windows' own, over the program's message box

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

class PassportWriterWindows : public test::PassportWriterFixture {};

TEST_F(PassportWriterWindows, WritesTheExampleIntoACyrillicFolderAndName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Записи")));
    const QString path = dir.file(QString::fromUtf8("Записи/насосная 3.txt"));
    press(path);
    const QByteArray written = readFile(path);
    EXPECT_EQ(written, QByteArray::fromStdString(exampleRecord(',')));
    EXPECT_EQ(written.size(), 1492);
    EXPECT_EQ(services.boxes.shown,
              (std::vector<MessageBox>{{BoxKind::Information, "Information",
                                        QString::fromUtf8("Уже записано: 11Kbit")}}));
}

struct Refusal {
    const char* name;
    const char* file;
    // Makes the situation; returns what undoes it (or nothing).
    std::function<std::function<void()>(const QString& path)> arrange;
};

std::function<void()> nothing(const QString&) { return {}; }

std::function<void()> previousRecord(const QString& path, DWORD attributes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(kPrevious);
    file.close();
    SetFileAttributesW(path.toStdWString().c_str(), attributes);
    return [path] { SetFileAttributesW(path.toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL); };
}

class RecordRefusals : public PassportWriterWindows,
                       public ::testing::WithParamInterface<Refusal> {};

TEST_P(RecordRefusals, WarnAndLeaveTheFolderAsItWas) {
    const QString path = dir.file(QString::fromUtf8(GetParam().file));
    const std::function<void()> undo = GetParam().arrange(path);
    const QStringList before = folderEntries(dir.path());
    press(path);
    if (undo)
        undo();
    EXPECT_EQ(services.boxes.shown, std::vector{kAccessError});
    EXPECT_EQ(folderEntries(dir.path()), before);
    // A device name is never opened here, not even to look.
    if (undo) {
        EXPECT_EQ(readFile(path), kPrevious);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RecordRefusals,
    ::testing::Values(
        Refusal{"ReadOnlyAttribute", "data07.txt",
                [](const QString& p) { return previousRecord(p, FILE_ATTRIBUTE_READONLY); }},
        Refusal{"HeldWithoutSharing", "data07.txt",
                [](const QString& p) {
                    previousRecord(p, FILE_ATTRIBUTE_NORMAL);
                    const HANDLE held = CreateFileW(p.toStdWString().c_str(), GENERIC_READ, 0,
                                                    nullptr, OPEN_EXISTING, 0, nullptr);
                    return std::function<void()>([held] { CloseHandle(held); });
                }},
        Refusal{"DeviceName", "CON", nothing}, Refusal{"DeviceWithExtension", "nul.txt", nothing},
        Refusal{"ComPort", "COM1", nothing}, Refusal{"PrinterPort", "LPT1.txt", nothing},
        Refusal{"AuxDevice", "aux", nothing}, Refusal{"EndsInADot", "data07.", nothing},
        Refusal{"EndsInABlank", "data07 ", nothing},
        Refusal{"MissingFolder", "nowhere/data07.txt", nothing}),
    [](const auto& info) { return std::string(info.param.name); });

// As Windows refuses them (Wine would take them).
TEST_F(PassportWriterWindows, ANameBeyond255OrAPathBeyond260CharactersIsRefused) {
    const QString deep = QString(120, QLatin1Char('d'));
    ASSERT_TRUE(QDir(dir.path()).mkpath(deep + QLatin1Char('/') + deep));
    const QStringList before = folderEntries(dir.path());
    for (const QString& path : {dir.file(QString(256, QLatin1Char('n'))),
                                dir.file(deep + QLatin1Char('/') + deep + QStringLiteral("/data07.txt"))}) {
        press(path);
        EXPECT_EQ(services.boxes.shown, std::vector{kAccessError}) << path.size();
        services.boxes.shown.clear();
    }
    EXPECT_EQ(folderEntries(dir.path()), before);
    EXPECT_EQ(QDir(dir.file(deep + QLatin1Char('/') + deep)).entryList(QDir::Files | QDir::Hidden),
              QStringList());
}

TEST_F(PassportWriterWindows, AFullDiskIsIoError112AndKeepsThePreviousRecord) {
    const QString path = dir.write("data07.txt", kPrevious);
    ScopedFileCalls failing(FailingFileCalls::at(FailingFileCalls::Call::Write, 1, ERROR_DISK_FULL));
    services.dialogs.answers.push_back(path);
    try {
        writePassportRecord(nullptr, request, exampleMeasurement());
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("I/O error 112"));
    }
    EXPECT_EQ(readFile(path), kPrevious);
    EXPECT_EQ(folderEntries(dir.path()), QStringList{"data07.txt"});
}

} // namespace
} // namespace zamt
