// --print as a real process without a display: what it writes, what it says
// on the error output and its status; on a CUPS server of the test's own,
// printing and the rows "отчет" prints from the windows.
#include "../report/system/SystemRunSupport.h"
#include "ProgramProcess.h"
#include "platform/CodePage.h"
#include "records/RecordTestSupport.h"
#include "support/CupsServer.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <clocale>
#include <csignal>
#include <locale.h>
#include <unistd.h>
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

// Variables set for the program, beside those of a process without a display.
using Variables = std::vector<std::pair<QString, QString>>;

// The program in `folder` (with the report project) without a display and
// with a temporary folder of its own; `%1` in an argument is the folder.
void startPrint(QProcess& program, const TempDir& folder, const QString& temp,
                QStringList arguments, const Variables& variables = {}) {
    QFile::copy(sourceDir() + "/resources/Project1.rpj", folder.file("Project1.rpj"));
    QProcessEnvironment environment = environmentWithoutADisplay();
    environment.insert("TMPDIR", temp);
    for (const auto& [name, value] : variables)
        environment.insert(name, value);
    for (QString& argument : arguments)
        argument.replace("%1", folder.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(ZAMT_PROGRAM, QStringList{"--print"} + arguments);
}

Ended print(const TempDir& folder, const QString& temp, const QStringList& arguments,
            const Variables& variables = {}) {
    QProcess program;
    startPrint(program, folder, temp, arguments, variables);
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
        } else if (output.endsWith(".pdf", Qt::CaseInsensitive)) {
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
        PrintCase{"ExtensionDecidesOverTheFormat",
                  {"data07.txt", "--to", "out/passport.PDF", "--format", "rps"},
                  0,
                  "",
                  {"passport.PDF"}},
        PrintCase{"WouldWriteOverItsInput",
                  {"data07.txt", "--to", "data07.txt", "--format", "rps"},
                  2,
                  "zamt05: The output \"data07.txt\" is also a file to print; it is not "
                  "written over.\n",
                  {}},
        PrintCase{"WouldWriteOverAnotherInput",
                  {"b.txt", "out/b.pdf", "--to", "out"},
                  2,
                  "zamt05: The output \"out/b.pdf\" is also a file to print; it is not written "
                  "over.\n",
                  {}},
        PrintCase{"EachMessageNamesItsFile",
                  {"data07.txt", "b.txt", "--to", "out/gone/"},
                  1,
                  "zamt05: %1/data07.txt: Cannot create file \"%1/out/gone/data07.pdf\". No "
                  "such file or directory.\n"
                  "zamt05: %1/b.txt: Cannot create file \"%1/out/gone/b.pdf\". No such file or "
                  "directory.\n",
                  {}},
        PrintCase{"ToAndPrinter",
                  {"data07.txt", "--to", "out/p.pdf", "--printer"},
                  2,
                  "zamt05: --to and --printer do not go together: a report goes into a file or "
                  "onto a printer.\nTry 'zamt05 --help' for more information.\n",
                  {}},
        PrintCase{"UnknownExtension",
                  {"data07.txt", "--to", "out/p.doc"},
                  2,
                  "zamt05: Cannot tell the format of \"out/p.doc\" by its extension; use rps, "
                  "prn, pdf, or --format.\n",
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Under a Russian locale the system's reasons stay English, as do the
// messages around them.
TEST(PrintWithoutADisplay, GivesItsReasonsInEnglishUnderARussianLocale) {
    const locale_t russian = ::newlocale(LC_ALL_MASK, "ru_RU.UTF-8", locale_t(0));
    if (!russian)
        GTEST_SKIP() << "no ru_RU.UTF-8 locale here (scripts/setup.sh makes it)";
    ::freelocale(russian);
    NoCupsServer noPrinters;
    TempDir folder, temp;
    folder.write("data07.txt", "row\r\n");
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"nowhere.txt", "--to", "n.pdf"}, kMissing},
        {{"data07.txt", "--to", "data07.txt/n.pdf"},
         "zamt05: Cannot create file \"%1/data07.txt/n.pdf\". Not a directory.\n"},
    };
    for (const auto& c : cases) {
        const Ended run = print(folder, temp.path(), c.arguments,
                                {{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "ru_RU.UTF-8"}});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.toStdString(), c.err.arg(folder.path()).toStdString());
    }
}

// A temporary folder that is not there gives way to /tmp, and nothing is
// made at the root of the file system; when /tmp cannot be written in
// either, the run is refused naming the folder tried.
TEST(PrintWithoutADisplay, UsesTmpWhenTheTemporaryFolderIsNotThere) {
    NoCupsServer noPrinters;
    TempDir folder, temp;
    folder.write("data07.txt", "row\r\n");
    const QString missing = "/nonexistent-zamt05-temp";
    const QString atRoot = QStringLiteral("/zamt05-%1").arg(::getuid());
    const bool wasAtRoot = QFileInfo::exists(atRoot);
    const Ended run = print(folder, temp.path(), {"data07.txt", "--to", "p.pdf"},
                            {{"TMPDIR", missing}});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.toStdString(), "");
    EXPECT_TRUE(CupsServer::pdfText(folder.file("p.pdf")).contains("row"));
    if (!wasAtRoot) {
        EXPECT_FALSE(QFileInfo::exists(atRoot)) << "made at the root";
    }

    // /tmp made read-only in a mount namespace of the program's own.
    QProcess program;
    QProcessEnvironment environment = environmentWithoutADisplay();
    environment.insert("TMPDIR", missing);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                              "mount --bind /tmp /tmp && mount -o remount,bind,ro /tmp || "
                              "exit 99; exec \"$0\" \"$@\"",
                              ZAMT_PROGRAM, "--print", "data07.txt", "--to", "q.pdf"});
    ASSERT_TRUE(program.waitForFinished(60000));
    if (program.exitCode() == 99 || program.error() == QProcess::FailedToStart)
        GTEST_SKIP() << "cannot make /tmp read-only here (needs root and unshare)";
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(program.readAllStandardError()).toStdString(),
              "zamt05: Cannot create a page file in " + missing.toStdString() +
                  ": it is not a folder that can be written in, nor is /tmp.\n");
    EXPECT_FALSE(QFile::exists(folder.file("q.pdf")));
}

// On the named or the default printer, and into the printer's own output.
TEST(PrintedWithoutADisplayOnCups, PrintsOnTheNamedOrTheDefaultPrinter) {
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
}

// A passport record prints as its 30 rows, each value beside its label,
// whatever the display variables name: no display is used, so a missing
// one stops nothing and one that is there changes nothing.
TEST(PrintWithoutADisplay, APassportRecordPrintsWholeWhateverTheDisplaySays) {
    NoCupsServer noPrinters;
    TempDir folder, temp;
    const std::string record = exampleRecord(',');
    folder.write("data07.txt", QByteArray::fromStdString(record));
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = record.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(record.substr(start, end - start));
    ASSERT_EQ(lines.size(), 30u);

    const Variables displays[] = {
        {},
        {{"DISPLAY", ":97"}},
        {{"QT_QPA_PLATFORM", "xcb"}},
        {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-97"}},
        {{"DISPLAY", ":97"}, {"QT_SCALE_FACTOR", "2"}, {"QT_FONT_DPI", "200"}},
    };
    QByteArray first;
    for (const Variables& display : displays) {
        const QString said = display.empty() ? QString("none") : display.front().first;
        const Ended run =
            print(folder, temp.path(), {"data07.txt", "--to", "passport.rps"}, display);
        EXPECT_FALSE(run.crashed) << said.toStdString();
        EXPECT_EQ(run.status, 0) << said.toStdString();
        EXPECT_EQ(run.err.toStdString(), "") << said.toStdString();
        const QByteArray stream = readFile(folder.file("passport.rps"));
        if (first.isEmpty()) {
            first = stream;
            const std::vector<std::string> texts = textsOf(stream);
            ASSERT_EQ(texts.size(), 32u) << "the title, 30 rows and the page footer";
            EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end() - 1), lines);
        }
        EXPECT_TRUE(stream == first) << "other rows under " << said.toStdString();
    }
}

// The page stream of a long report stays what it was when the report path
// was made faster: 3,000 rows over 50 pages, its SHA-256 taken then.
TEST(PrintWithoutADisplay, ALongReportsPageStreamStaysByteForByte) {
    NoCupsServer noPrinters;
    TempDir folder, temp;
    QString rows;
    for (int row = 1; row <= 3000; ++row)
        rows += QString::fromUtf8("число Рейнольдса минимальное Re_min = 6,27584E7; строка %1\r\n")
                    .arg(row);
    folder.write("rows.txt", QByteArray::fromStdString(toCp1251(rows)));
    const Ended run = print(folder, temp.path(), {"rows.txt", "--to", "rows.rps"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray stream = readFile(folder.file("rows.rps"));
    EXPECT_EQ(stream.size(), 221233);
    EXPECT_EQ(QCryptographicHash::hash(stream, QCryptographicHash::Sha256).toHex(),
              "19d30eab160b1facba52b46f184119c43d1d810f212aca8f5d0f5ee5f39f3a4d");
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
