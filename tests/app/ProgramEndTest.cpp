// The program ended from outside: the program runs as a process of its own
// (the driver), gets a real signal and must be gone within a second, killed
// by that signal, with nothing of its run left behind.
#include "support/CupsServer.h"
#include "support/TempDir.h"
#include "../report/system/SystemRunSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// One program process in a working folder with the report project, its
// temporary folder its own.
class ProgramProcess {
public:
    ProgramProcess(const TempDir& folder, const QString& temp, const QStringList& arguments) {
        QFile::copy(sourceDir() + "/resources/Project1.rpj", folder.file("Project1.rpj"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", temp);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(folder.path());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(ZAMT_PROGRAM_DRIVER, arguments);
    }
    ~ProgramProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // The rest of the first line that starts with `word`, or nullopt when
    // the program said "finished" or ended first, or the time ran out.
    std::optional<QString> waitFor(const QString& word, int timeoutMs = 60000) {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                said_ << line;
                if (line.startsWith(word + ' '))
                    return line.mid(word.size() + 1);
                if (line == "finished")
                    return std::nullopt;
            }
            if (timer.elapsed() > timeoutMs || process_.state() == QProcess::NotRunning)
                return std::nullopt;
            process_.waitForReadyRead(100);
        }
    }
    // Sends the signal; true when the process is gone within a second.
    bool endBy(int signal) {
        ::kill(pid_t(process_.processId()), signal);
        return process_.waitForFinished(1000);
    }
    QProcess& process() { return process_; }
    QString said() const { return said_.join(" | "); }

private:
    QProcess process_;
    QStringList said_;
};

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
