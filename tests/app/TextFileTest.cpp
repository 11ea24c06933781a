#include "app/TextFile.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zamt {
namespace {

QString failureOf(const QString& path, std::int64_t capacity = kMemoCapacity) {
    try {
        readTextForView(path, capacity);
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

TEST(TextFile, EveryLineBreakConventionBecomesOneBreak) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"", ""},
        {"one", "one"},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb\n", "a\nb\n"},
        {"a\rb\r", "a\nb\n"},
        {"a\r\n\r\nb", "a\n\nb"},
        {"a\n\rb", "a\n\nb"},
        {"a\r\rb\n\nc", "a\n\nb\n\nc"},
        {"mixed\r\nlf\ncr\rend", "mixed\nlf\ncr\nend"},
        {"\r", "\n"},
        {QByteArray("nul\0byte", 8), "nul byte"},
        {"\xCD\xE0\xF1\xEE\xF1", QString::fromUtf8("Насос")},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        const QString path = dir.write("case.txt", c.bytes);
        EXPECT_EQ(readTextForView(path), c.text) << c.bytes.toStdString();
    }
}

TEST(TextFile, FilesThatCannotBeOpenedNameTheFullPathAndTheReason) {
    test::TempDir dir;
    const QString missing = dir.file("missing.txt");
    EXPECT_EQ(failureOf(missing),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(failureOf(dir.path()),
              QStringLiteral("Cannot open file \"%1\". Is a directory").arg(dir.path()));
    // A relative name is reported with its full path.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(failureOf("nope.txt"),
              QStringLiteral("Cannot open file \"%1\". No such file or directory")
                  .arg(dir.file("nope.txt")));
    QDir::setCurrent(previous);
    if (::geteuid() != 0) {
        const QString locked = dir.write("locked.txt", "secret");
        QFile(locked).setPermissions(QFileDevice::WriteOwner);
        EXPECT_EQ(failureOf(locked),
                  QStringLiteral("Cannot open file \"%1\". Permission denied").arg(locked));
    }
}

TEST(TextFile, RefusesWhatIsNotARegularFileWithoutWaitingOnIt) {
    test::TempDir dir;
    const QString fifo = dir.file("x.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString socketPath = dir.file("socket.txt");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(native.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {fifo, "Not a regular file: a named pipe"},
        {"/dev/zero", "Not a regular file: a character device"},
        {socketPath, "Not a regular file: a socket"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failureOf(c.path),
                  QStringLiteral("Cannot open file \"%1\". %2").arg(c.path, c.reason));
    ::close(sock);
}

TEST(TextFile, RefusesTextsLargerThanTheViewCanHold) {
    test::TempDir dir;
    const QString path = dir.write("big.txt", QByteArray(101, 'x'));
    EXPECT_EQ(failureOf(path, 100), QStringLiteral("Text exceeds memo capacity"));
    EXPECT_EQ(readTextForView(path, 101).size(), 101);
}

} // namespace
} // namespace zamt
