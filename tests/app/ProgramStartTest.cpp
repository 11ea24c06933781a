// The program started from the command line: --help, --version and bad
// options from the real program without a display; a file given at start-up
// in the text view (the driver, on the offscreen platform).
#include "ProgramProcess.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

struct Printed {
    const char* name;
    QStringList arguments;
    int status;
    QStringList inStdout; // each must be there
    QString stderrText;   // exact
};

void PrintTo(const Printed& c, std::ostream* out) {
    *out << c.name;
}

class WithoutADisplay : public ::testing::TestWithParam<Printed> {};

TEST_P(WithoutADisplay, PrintsAndEnds) {
    const QProcessEnvironment environment = environmentWithoutADisplay();
    TempDir folder;
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(ZAMT_PROGRAM, GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(30000)) << "still running: it must not start the windows";
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(program.exitCode(), GetParam().status);
    for (const QString& part : GetParam().inStdout)
        EXPECT_TRUE(out.contains(part)) << part.toStdString() << " in\n" << out.toStdString();
    if (GetParam().inStdout.isEmpty()) {
        EXPECT_EQ(out.toStdString(), "");
    }
    EXPECT_EQ(err.toStdString(), GetParam().stderrText.toStdString());
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing is written where it starts";
}

const QString kTry = QStringLiteral("\nTry 'zamt05 --help' for more information.\n");

INSTANTIATE_TEST_SUITE_P(
    , WithoutADisplay,
    ::testing::Values(
        Printed{"Version", {"--version"}, 0, {"zamt05 " ZAMT_VERSION "\n"}, ""},
        Printed{"VersionWithAFile", {"data07.txt", "-v"}, 0, {"zamt05 " ZAMT_VERSION "\n"}, ""},
        Printed{"Help",
                {"--help"},
                0,
                {"Usage: ", "-h, --help", "-v, --version", "--print", "[file...]", "text view"},
                ""},
        Printed{"UnknownOption", {"--bogus"}, 2, {}, "zamt05: Unknown option 'bogus'." + kTry},
        Printed{"UnknownShortOptionBeforeAFile",
                {"-q", "data07.txt"},
                2,
                {},
                "zamt05: Unknown option 'q'." + kTry}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VersionWithoutADisplay, IsTheWholeOutput) {
    const QProcessEnvironment environment = environmentWithoutADisplay();
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(ZAMT_PROGRAM, {"--version"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), "zamt05 " ZAMT_VERSION "\n");
}

// A start with a file, as the driver sees the main window once it is over.
struct Opened {
    const char* name;
    QString file;        // as given, relative to the working folder
    QByteArray contents; // written there unless `missing`
    bool missing;
    QString box;  // the message shown, %1 for the folder; empty: none
    QString text; // in the text view, line breaks as '|'; a failed
                  // load leaves the text it had
    QString run;  // "отчет": enabled or disabled
};

void PrintTo(const Opened& c, std::ostream* out) {
    *out << c.name;
}

class StartedWithAFile : public ::testing::TestWithParam<Opened> {};

TEST_P(StartedWithAFile, ShowsItAsFileWouldAndGoesOn) {
    const Opened& c = GetParam();
    TempDir folder, temp;
    if (!c.missing) {
        QDir(folder.path()).mkpath(QFileInfo(c.file).path());
        folder.write(c.file, c.contents);
    }
    ProgramProcess program(folder, temp.path(), {"--open", c.file});
    EXPECT_FALSE(program.waitFor("never said")) << "the start did not end";
    QStringList expected;
    if (!c.box.isEmpty())
        expected << "box " + c.box.arg(folder.path());
    expected << ("text " + c.text).trimmed() << "picture hidden"
             << "run " + c.run << "finished";
    EXPECT_EQ(program.said().toStdString(), expected.join(" | ").toStdString());
    // The program goes on after a file it could not read, as after "файл".
    EXPECT_FALSE(program.process().waitForFinished(500)) << "ended after the start";
}

INSTANTIATE_TEST_SUITE_P(
    , StartedWithAFile,
    ::testing::Values(
        // Windows-1251 text, any line breaks, as "файл" reads it.
        Opened{"Relative", "data07.txt", "\xEF\xE0\xF1\xEF\xEE\xF0\xF2\r\nrow 2\nrow 3\r", false,
               "", "паспорт|row 2|row 3|", "enabled"},
        Opened{"InAFolderWithSpaces", "my records/a b.txt", "one line", false, "", "one line",
               "enabled"},
        Opened{"Empty", "empty.txt", "", false, "", "", "enabled"},
        Opened{"Missing", "nowhere.txt", "", true,
               "Cannot open file \"%1/nowhere.txt\". No such file or directory.",
               "для записи используйте файл \"data07.txt\"", "enabled"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zamt::test
