// The file services on Windows: wide paths, the replaced file's attributes,
// Windows' refusals of device names, and reading only files on a disk.
#include "platform/AppError.h"
#include "platform/FileReplacement.h"
#include "platform/RegularFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QIODevice>
#include <gtest/gtest.h>
#include <windows.h>

namespace zamt {
namespace {

using test::readFile;
using test::TempDir;

bool replace(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    if (!file.open())
        return false;
    file.device()->write(bytes);
    return file.commit();
}

DWORD attributes(const QString& path) {
    return GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
}

QString openFailure(const QString& path) {
    try {
        readRegularFile(path, 1 << 20);
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

TEST(WindowsFiles, ACyrillicFolderAndNameAreWrittenAndRead) {
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Отчёты")));
    const QString path = dir.file(QString::fromUtf8("Отчёты/паспорт №3.txt"));
    ASSERT_TRUE(replace(path, "first"));
    ASSERT_TRUE(replace(path, "second\r\n"));
    EXPECT_EQ(readRegularFile(path, 100), std::optional<std::string>("second\r\n"));
    EXPECT_EQ(QDir(dir.file(QString::fromUtf8("Отчёты"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QString::fromUtf8("паспорт №3.txt")});
}

TEST(WindowsFiles, AReplacedFileKeepsItsAttributes) {
    TempDir dir;
    const QString path = dir.write("hidden.txt", "old");
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(replace(path, "new"));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(attributes(path) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
              DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
}

TEST(WindowsFiles, RefusalsNameTheFileWithWindowsSeparators) {
    TempDir dir;
    const struct {
        const char* name;
        int error;
    } table[] = {{"CON", ERROR_INVALID_NAME},   {"nul.txt", ERROR_INVALID_NAME},
                 {"COM1", ERROR_INVALID_NAME},  {"report.", ERROR_INVALID_NAME},
                 {"report ", ERROR_INVALID_NAME}, {"none/report.pdf", ERROR_PATH_NOT_FOUND}};
    for (const auto& c : table) {
        const QString path = dir.file(QString::fromUtf8(c.name));
        FileReplacement file(path);
        EXPECT_FALSE(file.open()) << c.name;
        EXPECT_EQ(file.error(), c.error) << c.name;
        EXPECT_TRUE(file.errorMessage().startsWith(
            QStringLiteral("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(path))))
            << file.errorMessage().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

TEST(WindowsFiles, AFileWithTheReadOnlyAttributeStaysAsItWas) {
    TempDir dir;
    const QString path = dir.write("kept.txt", "kept");
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    FileReplacement file(path);
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error(), ERROR_ACCESS_DENIED);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(path), "kept");
}

TEST(WindowsFiles, AFileHeldByAnotherProgramIsNotReplaced) {
    TempDir dir;
    const QString path = dir.write("held.pdf", "held");
    const HANDLE held =
        CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FileReplacement file(path);
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error(), ERROR_SHARING_VIOLATION);
    CloseHandle(held);
    EXPECT_EQ(readFile(path), "held");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"held.pdf"});
}

TEST(WindowsFiles, OnlyFilesOnADiskAreRead) {
    TempDir dir;
    const struct {
        QString path;
        QString reason;
    } table[] = {
        {dir.file("NUL"), "Not a regular file: a device name"},
        {dir.file("con.txt"), "Not a regular file: a device name"},
        {dir.path(), ""}, // the folder: the system's reason
        {dir.file("missing.txt"), ""},
    };
    for (const auto& c : table) {
        const QString message = openFailure(c.path);
        const QString start =
            QStringLiteral("Cannot open file \"%1\". ").arg(QDir::toNativeSeparators(c.path));
        EXPECT_TRUE(message.startsWith(start)) << message.toStdString();
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(message, start + c.reason);
        } else {
            EXPECT_GT(message.size(), start.size()) << message.toStdString();
        }
    }
}

TEST(WindowsFiles, AFileOthersWriteIsReadAllTheSame) {
    TempDir dir;
    const QString path = dir.write("shared.txt", "rows\r\n");
    const HANDLE writer = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(),
                                      GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readRegularFile(path, 100), std::optional<std::string>("rows\r\n"));
    CloseHandle(writer);
}

} // namespace
} // namespace zamt
