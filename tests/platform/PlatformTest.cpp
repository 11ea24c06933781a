#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "platform/HandlerGuard.h"
#include "platform/HelpFile.h"
#include "platform/IoErrors.h"
#include "support/ScriptedServices.h"
#include "support/TempDir.h"

#include <QDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zamt {
namespace {

TEST(StandardErrorBox, AddsAFullStopOnlyAfterCharactersAboveTheFullStop) {
    const struct {
        QString message;
        QString shown;
    } cases[] = {
        {"File not found", "File not found."},
        {"Floating point division by zero", "Floating point division by zero."},
        {"I/O error 28", "I/O error 28."}, // '8' is above '.'
        {"Text exceeds memo capacity.", "Text exceeds memo capacity."},
        {"ends with a dash -", "ends with a dash -"},         // '-' is below '.'
        {"ends with a comma,", "ends with a comma,"},         // ',' is below '.'
        {"ends with a slash/", "ends with a slash/."},        // '/' is above '.'
        {"'1.5' is not a valid floating point value", "'1.5' is not a valid floating point value."},
        {"'x'", "'x'"},                                       // apostrophe is below '.'
        {"Cannot open file \"a\". Is a directory", "Cannot open file \"a\". Is a directory."},
        {QString::fromUtf8("деление"), QString::fromUtf8("деление.")},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(standardErrorText(c.message), c.shown) << c.message.toStdString();
}

TEST(HandlerGuard, ShowsEveryErrorInTheStandardErrorBoxAndSwallowsIt) {
    test::ScriptedServices services;
    runGuarded([] { throw AppError(QStringLiteral("Floating point overflow")); });
    runGuarded([] { throw std::runtime_error("disk on fire"); });
    runGuarded([] { throw 42; });
    bool ran = false;
    runGuarded([&] { ran = true; });
    EXPECT_TRUE(ran);
    ASSERT_EQ(services.boxes.shown.size(), 3u);
    EXPECT_EQ(services.boxes.shown[0],
              (MessageBox{BoxKind::Error, "zamt05", "Floating point overflow."}));
    EXPECT_EQ(services.boxes.shown[1], (MessageBox{BoxKind::Error, "zamt05", "disk on fire."}));
    EXPECT_EQ(services.boxes.shown[2], (MessageBox{BoxKind::Error, "zamt05", "Unknown error."}));
}

TEST(MessageBoxKinds, CarryTheirCaptions) {
    test::ScriptedServices services;
    showMessage(QString::fromUtf8("нули не обслуживаем!"));
    showWarning(QStringLiteral("File access error"));
    showInformation(QString::fromUtf8("Уже записано: 11Kbit"));
    const std::vector<MessageBox> expected = {
        {BoxKind::Plain, "zamt05", QString::fromUtf8("нули не обслуживаем!")},
        {BoxKind::Warning, "Warning", "File access error"},
        {BoxKind::Information, "Information", QString::fromUtf8("Уже записано: 11Kbit")},
    };
    EXPECT_EQ(services.boxes.shown, expected);
}

TEST(DecimalSeparator, FollowsTheLocaleName) {
    const struct {
        const char* locale;
        char separator;
    } cases[] = {
        {"ru_RU.UTF-8", ','}, {"ru_RU", ','},     {"ru_RU.CP1251", ','}, {"de_DE@euro", ','},
        {"en_US.UTF-8", '.'}, {"en_GB", '.'},     {"C", '.'},            {"POSIX", '.'},
        {"C.UTF-8", '.'},     {"", '.'},          {"xx_YY", '.'},        {"uk_UA.UTF-8", ','},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalSeparatorOfLocale(c.locale), c.separator) << c.locale;
}

TEST(CodePage, ConvertsBetweenWindows1251AndUnicode) {
    const std::string bytes = cp1251("Кгн Ёё №");
    EXPECT_EQ(bytes, std::string("\xCA\xE3\xED \xA8\xB8 \xB9"));
    EXPECT_EQ(fromCp1251(bytes), QString::fromUtf8("Кгн Ёё №"));
    EXPECT_EQ(cp1251Byte(QChar(0x044F)), 255); // я
    EXPECT_EQ(cp1251Byte(QChar(0x4E2D)), '?'); // not in the code page
    EXPECT_EQ(toCp1251(QString::fromUtf8("a中b")), "a?b");
}

TEST(HelpFile, ParsesNumberedTopics) {
    const QByteArray contents = "@# comment line\n"
                                "text before any topic\n"
                                "@1 Как работает программа\r\n"
                                "first line\r\n"
                                "\r\n"
                                "@#hidden\n"
                                "second line\n"
                                "@12 Other\n"
                                "@ not a topic line\n"
                                "@x neither\n";
    const HelpFile file = HelpFile::parse(contents);
    EXPECT_EQ(file.topicCount(), 2u);
    const auto first = file.topic(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->title, QString::fromUtf8("Как работает программа"));
    EXPECT_EQ(first->body, QStringLiteral("first line\n\nsecond line"));
    const auto other = file.topic(12);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->body, QStringLiteral("@ not a topic line\n@x neither"));
    EXPECT_FALSE(file.topic(2));
}

TEST(HelpFile, IsLookedForInTheWorkingDirectoryThenBesideTheProgram) {
    test::TempDir work, exe;
    EXPECT_EQ(locateHelpFile("helpZ.hlp", work.path(), exe.path()), QString());
    const QString besideProgram = exe.write("helpZ.hlp", "@1 a\n");
    EXPECT_EQ(locateHelpFile("helpZ.hlp", work.path(), exe.path()), besideProgram);
    const QString inWorkingDir = work.write("helpZ.hlp", "@1 b\n");
    EXPECT_EQ(locateHelpFile("helpZ.hlp", work.path(), exe.path()), inWorkingDir);
    QDir(work.path()).mkdir("folder.hlp");
    EXPECT_EQ(locateHelpFile("folder.hlp", work.path(), ""), QString());
}

} // namespace
} // namespace zamt
