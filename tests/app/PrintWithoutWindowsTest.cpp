// --print as a real process without a display: what it writes, what it says
// on the error output and its status; on a CUPS server of the test's own,
// printing and the rows "отчет" prints from the windows.
#include "../report/system/SystemRunSupport.h"
#include "ProgramProcess.h"
#include "support/CupsServer.h"
#include "support/TempDir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// Windows-1251 rows, one too long for the text view's width; and enough of
// them for a scroll bar, which narrows the view.
QByteArray passportText() {
    QByteArray text = "\xCF\xE0\xF1\xEF\xEE\xF0\xF2 07\r\n";
    for (int row = 1; row <= 60; ++row) {
        text += "row " + QByteArray::number(row);
        if (row % 20 == 0)
            text += QByteArray(" wide").repeated(30);
        text += "\r\n";
    }
    return text;
}

struct Ended {
    int status = -1;
    bool crashed = false;
    QString out, err;
};

// The program in `folder` (with the report project) without a display and
// with a temporary folder of its own; `%1` in an argument is the folder.
void startPrint(QProcess& program, const TempDir& folder, const QString& temp,
                QStringList arguments) {
    QFile::copy(sourceDir() + "/resources/Project1.rpj", folder.file("Project1.rpj"));
    QProcessEnvironment environment = environmentWithoutADisplay();
    environment.insert("TMPDIR", temp);
    for (QString& argument : arguments)
        argument.replace("%1", folder.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(ZAMT_PROGRAM, QStringList{"--print"} + arguments);
}

Ended print(const TempDir& folder, const QString& temp, const QStringList& arguments) {
    QProcess program;
    startPrint(program, folder, temp, arguments);
    Ended run;
    if (!program.waitForFinished(60000))
        return run;
    run.status = program.exitCode();
    run.crashed = program.exitStatus() == QProcess::CrashExit;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

struct PrintCase {
    const char* name;
    QStringList arguments;
    int status;
    QString err;         // exact, %1 the folder
    QStringList outputs; // what the folder out/ holds afterwards
};

void PrintTo(const PrintCase& c, std::ostream* out) {
    *out << c.name;
}

class PrintedWithoutADisplay : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintedWithoutADisplay, WritesWholeOutputsOrSaysWhyNot) {
    const PrintCase& c = GetParam();
    NoCupsServer noPrinters;
    TempDir folder, temp;
    folder.write("data07.txt", passportText());
    folder.write("b.txt", "another passport\r\n");
    folder.write("damaged.rpj", "<not a report project");
    QDir(folder.path()).mkdir("out");

    const Ended run = print(folder, temp.path(), c.arguments);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.toStdString(), c.err.arg(folder.path()).toStdString());
    EXPECT_EQ(run.out.toStdString(), "");
    EXPECT_EQ(entries(folder.file("out")), c.outputs) << "nothing half-written, nothing else";
    EXPECT_TRUE(pageFilesUnder(temp.path()).isEmpty());
    for (const QString& output : c.outputs) {
        const QString path = folder.file("out/" + output);
        if (output == "b.pdf") {
            EXPECT_TRUE(CupsServer::pdfText(path).contains("another passport"));
        } else if (output.endsWith(".pdf")) {
            const QString text = CupsServer::pdfText(path);
            EXPECT_TRUE(text.contains("Паспорт 07\n")) << path.toStdString();
            for (int row = 1; row <= 60; ++row) // every row, the wide ones broken
                EXPECT_TRUE(text.contains(
                    QRegularExpression(QStringLiteral("^row %1( wide wide.*)?$").arg(row),
                                       QRegularExpression::MultilineOption)))
                    << row << " in " << path.toStdString();
        } else {
            EXPECT_EQ(pagesOf(readFile(path)).size(), 2u) << path.toStdString();
        }
    }
}

const QString kMissing =
    "zamt05: Cannot open file \"%1/nowhere.txt\". No such file or directory.\n";

INSTANTIATE_TEST_SUITE_P(
    , PrintedWithoutADisplay,
    ::testing::Values(
        PrintCase{"Pdf", {"data07.txt", "--to", "out/passport.pdf"}, 0, "", {"passport.pdf"}},
        PrintCase{
            "Snapshot", {"data07.txt", "--to", "%1/out/passport.rps"}, 0, "", {"passport.rps"}},
        PrintCase{"FormatNamed",
                  {"data07.txt", "--to", "out/passport", "--format", "RPS"},
                  0,
                  "",
                  {"passport.rps"}},
        PrintCase{"MissingFile", {"nowhere.txt", "--to", "out/passport.pdf"}, 1, kMissing, {}},
        PrintCase{"DamagedProject",
                  {"data07.txt", "--project", "damaged.rpj", "--to", "out/passport.pdf"},
                  1,
                  "zamt05: Invalid Project Format.\n",
                  {}},
        PrintCase{"UnwritableOutput",
                  {"data07.txt", "--to", "out/gone/passport.pdf"},
                  1,
                  "zamt05: Cannot create file \"%1/out/gone/passport.pdf\". No such file or "
                  "directory.\n",
                  {}},
        PrintCase{"PrinterOutputWithoutAPrinter",
                  {"data07.txt", "--to", "out/p.prn"},
                  1,
                  "zamt05: No printers installed!\n",
                  {}},
        PrintCase{"FolderOfSeveralFiles",
                  {"data07.txt", "nowhere.txt", "b.txt", "--to", "out"},
                  1,
                  kMissing,
                  {"b.pdf", "data07.pdf"}},
        PrintCase{"SeveralFilesIntoOneFile",
                  {"data07.txt", "b.txt", "--to", "out/p.pdf"},
                  2,
                  "zamt05: --to must name a folder when several files are printed.\n",
                  {}},
        PrintCase{"UnknownExtension",
                  {"data07.txt", "--to", "out/p.doc"},
                  2,
                  "zamt05: Cannot tell the format of \"out/p.doc\" by its extension; use rps, "
                  "prn, pdf, or --format.\n",
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

// On a printer; the rows are those "отчет" prints from the windows right
// after "файл" (the driver, on the same server).
TEST(PrintedWithoutADisplayOnCups, PrintsOnTheNamedOrDefaultPrinterTheRowsOfTheWindows) {
    CupsServer cups;
    if (!cups.running())
        GTEST_SKIP() << cups.why().toStdString();
    ASSERT_TRUE(cups.addPdfQueue("pdf") && cups.addPdfQueue("office") && cups.setDefault("pdf"))
        << cups.why().toStdString();
    TempDir folder, temp;
    folder.write("data07.txt", passportText());

    for (const char* queue : {"office", ""}) {
        const Ended run = print(folder, temp.path(), {"data07.txt", "--printer", queue});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
    }
    const Ended unknown = print(folder, temp.path(), {"--printer", "nosuch", "data07.txt"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err.toStdString(), "zamt05: There is no printer \"nosuch\".\n");
    ASSERT_EQ(cups.waitForPdfs(2).size(), 2);
    QStringList queues = cups.jobQueues(); // in no promised order
    queues.sort();
    EXPECT_EQ(queues, QStringList({"office", "pdf"}));
    for (const QString& document : cups.jobDocuments())
        EXPECT_TRUE(CupsServer::pdfText(document).contains("row 60 wide"))
            << document.toStdString();

    const Ended native = print(folder, temp.path(), {"data07.txt", "--to", "p.prn"});
    EXPECT_EQ(native.status, 0) << native.err.toStdString();
    EXPECT_TRUE(readFile(folder.file("p.prn")).startsWith("%PDF"));

    ASSERT_EQ(print(folder, temp.path(), {"data07.txt", "--to", "%1/cli.rps"}).status, 0);
    ProgramProcess windows(
        folder, temp.path(),
        {"--text", folder.file("data07.txt"), "--output", folder.file("gui.rps")});
    windows.waitFor("never said");
    ASSERT_TRUE(windows.lines().contains("finished")) << windows.said().toStdString();
    EXPECT_TRUE(readFile(folder.file("cli.rps")) == readFile(folder.file("gui.rps")))
        << "other rows than the windows print";
}

// A signal during the run cancels it: no output, no page file, the program
// ends by the signal.
TEST(PrintedWithoutADisplayEnded, LeavesNothingAndEndsByTheSignal) {
    NoCupsServer noPrinters;
    TempDir folder, temp;
    QByteArray text;
    for (int row = 0; row < 100000; ++row)
        text += "row\r\n";
    folder.write("long.txt", text);
    QProcess program;
    startPrint(program, folder, temp.path(), {"long.txt", "--to", "long.pdf"});
    QDeadlineTimer deadline(30000);
    while (pageFilesUnder(temp.path()).isEmpty() && !deadline.hasExpired() &&
           !program.waitForFinished(5))
        ;
    ASSERT_FALSE(pageFilesUnder(temp.path()).isEmpty()) << "no page file came";
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(2000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(program.exitCode(), SIGTERM);
    EXPECT_FALSE(QFile::exists(folder.file("long.pdf")));
    EXPECT_TRUE(pageFilesUnder(temp.path()).isEmpty());
}

} // namespace
} // namespace zamt::test
