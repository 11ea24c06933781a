// The program ended from outside: the program runs as a process of its own
// (the driver), gets a real signal and must be gone within a second, killed
// by that signal, with nothing of its run left behind.
#include "ProgramProcess.h"
#include "support/CupsServer.h"
#include "support/TempDir.h"
#include "../report/system/SystemRunSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

struct EndingSignal {
    int signal;
    const char* name;
};

class EndedDuringThePreview : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(EndedDuringThePreview, LeavesNoPageFileAndEndsByTheSignal) {
    TempDir folder, temp;
    ProgramProcess program(folder, temp.path(), {});
    const std::optional<QString> page = program.waitFor("ready");
    ASSERT_TRUE(page) << program.said().toStdString();
    EXPECT_TRUE(page->startsWith(temp.path() + "/zamt05-")) << page->toStdString();
    EXPECT_TRUE(QFileInfo(*page).fileName().startsWith("RPT"));
    ASSERT_TRUE(QFile::exists(*page)) << "the page file while the preview shows it";

    ASSERT_TRUE(program.endBy(GetParam().signal)) << "still running a second after the signal";
    EXPECT_EQ(program.process().exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(program.process().exitCode(), GetParam().signal);
    EXPECT_FALSE(QFile::exists(*page));
    // Nor its folder and lock: nothing is left for a later start to find.
    const QString user = QFileInfo(QFileInfo(*page).path()).path();
    EXPECT_TRUE(entries(user).isEmpty()) << entries(user).join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(, EndedDuringThePreview,
                         ::testing::Values(EndingSignal{SIGTERM, "SIGTERM"},
                                           EndingSignal{SIGINT, "SIGINT"},
                                           EndingSignal{SIGHUP, "SIGHUP"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A run into a file that already exists, ended while it generates or
// converts: the old file stays as it was and no half-made file is left
// beside it. The file destination needs a printer, so a CUPS server of the
// test's own runs.
struct FileRun {
    const char* name;
    const char* file;
    int lines;
};

class EndedDuringARunToAFile : public ::testing::TestWithParam<FileRun> {};

TEST_P(EndedDuringARunToAFile, LeavesTheOldFileAsItWas) {
    CupsServer cups;
    if (!cups.running())
        GTEST_SKIP() << cups.why().toStdString();
    ASSERT_TRUE(cups.addPdfQueue("pdf")) << cups.why().toStdString();
    ASSERT_TRUE(cups.setDefault("pdf")) << cups.why().toStdString();
    TempDir folder, temp, outputs;
    const QByteArray old = "the file of an earlier run\n";
    const QString target = outputs.write(GetParam().file, old);

    ProgramProcess program(folder, temp.path(),
                           {"--lines", QString::number(GetParam().lines), "--output", target});
    ASSERT_TRUE(program.waitFor("running")) << program.said().toStdString();
    ASSERT_TRUE(program.endBy(SIGTERM)) << "still running a second after the signal";
    EXPECT_EQ(program.process().exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(program.process().exitCode(), SIGTERM);
    // Had the run been over before the signal, the file would be the new one.
    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(entries(outputs.path()), QStringList{GetParam().file});
    EXPECT_TRUE(pageFilesUnder(temp.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, EndedDuringARunToAFile,
                         ::testing::Values(FileRun{"Snapshot", "passport.rps", 400000},
                                           FileRun{"Pdf", "passport.pdf", 100000}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two instances show previews; one is killed and leaves its page file. The
// next start removes that file and nothing of the instance that runs on,
// whose preview still pages.
TEST(KilledInstance, ItsPageFileGoesAtTheNextStartAndARunningOnesStays) {
    TempDir temp, liveFolder, deadFolder, nextFolder;
    const QStringList pages = {"--lines", "300"};
    ProgramProcess live(liveFolder, temp.path(), pages);
    ProgramProcess dead(deadFolder, temp.path(), pages);
    const std::optional<QString> livePage = live.waitFor("ready");
    const std::optional<QString> deadPage = dead.waitFor("ready");
    ASSERT_TRUE(livePage && deadPage) << live.said().toStdString() << dead.said().toStdString();
    dead.process().kill();
    ASSERT_TRUE(dead.process().waitForFinished(1000));
    ASSERT_TRUE(QFile::exists(*deadPage)) << "a killed instance cleans nothing up";

    ProgramProcess next(nextFolder, temp.path(), {});
    ASSERT_TRUE(next.waitFor("ready")) << next.said().toStdString();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(*deadPage).path())) << "the dead one's folder";
    EXPECT_TRUE(QFile::exists(*livePage));
    live.process().write("next\n");
    EXPECT_EQ(live.waitFor("page"), QString("2")) << live.said().toStdString();
}

} // namespace
} // namespace zamt::test
