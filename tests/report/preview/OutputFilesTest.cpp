// The files the program writes for the user, writer by writer: a folder
// that refuses new files refuses every one of them with the same message
// naming the file and keeps nothing; a new file gets the user's umask and a
// replaced one keeps its mode (the passport record's too).
#include "../system/SystemRunSupport.h"
#include "../windows/PrintingSupport.h"
#include "calc/Measurement.h"
#include "platform/HandlerGuard.h"
#include "records/PassportWriter.h"
#include "report/pdf/TRptRenderPDF.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/windows/ReportWindows.h"
#include "report/windows/TRptPrinterDevice.h"
#include "support/CupsServer.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace zamt::test {
namespace {

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Sets the process's umask for the object's lifetime.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

// A writer of one kind of file: writes `target` and returns what the user
// is told of a failure (the error box's text, or rpsdump's error output).
struct Writer {
    const char* what;
    const char* extension;
    bool needsPrinter; // a printer's own output
    bool box;          // tells in the standard error box, which ends it with a full stop
    std::function<QString(const QString& target)> write;
};

class OutputFiles : public ::testing::Test {
protected:
    void SetUp() override {
        TRptPrinterDevice::reset();
        cups = std::make_unique<CupsServer>();
        printer = cups->running() && cups->addPdfQueue("pdf") && cups->setDefault("pdf");
        previous = installRptSystemPlatform(nullptr);
        installReportWindows({});
    }
    void TearDown() override {
        TRptPrinterDevice::reset();
        installRptSystemPlatform(std::move(previous));
        cups.reset();
    }

    QString shown() {
        const QString text =
            services.boxes.shown.empty() ? QString() : services.boxes.shown.back().text;
        services.boxes.shown.clear();
        return text;
    }

    // A report run of two pages to a file, as the set-up window chooses it.
    QString run(const QString& target, bool native, TRptRenderFile* renderer) {
        PrivateTempFolder temp;
        TRptSystem system;
        system.configureForRun({.title = "zamtOutputFiles"});
        system.OnPrint = pagesProducer(2);
        system.OverrideSetup = [&](TRptSystem& s, TOverrideMode mode, QObject*&) {
            if (mode != TOverrideMode::omShow)
                return;
            s.ReportDest = TReportDest::rdFile;
            s.DoNativeOutput = native;
            s.OutputFileName = target;
            s.RenderObject = renderer;
        };
        system.OverrideStatus = [](TRptSystem&, TOverrideMode, QObject*&) {};
        runGuarded([&] { system.Execute(); });
        EXPECT_TRUE(temp.pageFiles().isEmpty());
        return shown();
    }

    // The preview's Save As with the filter entry `filter` (1: snapshot).
    QString saveAs(const QString& target, int filter) {
        TRptRenderFile& pdf = RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
        TRptPreviewForm form;
        form.setInputFileName(dir.write("shown.rps", pageStream(2, "zamtOutputFiles")));
        form.startPreview();
        form.show();
        services.dialogs.saveAnswers.push_back(SaveFileAnswer{target, filter});
        child<QAction>(&form, "actnFile_Save")->trigger();
        QApplication::processEvents();
        RptOutputFormats::instance().remove(&pdf);
        return shown();
    }

    // A report run of two pages whose set-up window (the real one) is
    // answered with the file `target` in the list's format `format`.
    QString runThroughSetup(const QString& target, int format) {
        TRptRenderFile& pdf = RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
        PrivateTempFolder temp;
        TRptSystem system;
        system.configureForRun({.title = "zamtOutputFiles"});
        system.OnPrint = pagesProducer(2);
        system.OverrideStatus = [](TRptSystem&, TOverrideMode, QObject*&) {};
        QTimer::singleShot(0, [&] {
            QWidget* setup = QApplication::activeModalWidget();
            ASSERT_NE(setup, nullptr);
            child<QRadioButton>(setup, "FileRB")->click();
            child<QLineEdit>(setup, "editFileName")->setText(target);
            child<QComboBox>(setup, "cboxFormat")->setCurrentIndex(format);
            child<QPushButton>(setup, "bbtnOK")->click();
        });
        runGuarded([&] { system.Execute(); });
        RptOutputFormats::instance().remove(&pdf);
        return shown();
    }

    // The error rpsdump ends with (the last line of its error output; Qt may
    // warn before it), empty when it succeeds.
    static QString rpsdumpPdf(const QString& target, const QString& input) {
        QProcess process;
        process.start(RPSDUMP_PATH, {"--pdf", target, input});
        EXPECT_TRUE(process.waitForFinished(30000));
        if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return {};
        const QStringList lines =
            QString::fromLocal8Bit(process.readAllStandardError()).trimmed().split('\n');
        return lines.back();
    }

    std::vector<Writer> writers() {
        return {
            {"RPS run output", ".rps", false, true,
             [this](const QString& t) { return run(t, false, nullptr); }},
            {"PRN run output", ".prn", true, true,
             [this](const QString& t) { return run(t, true, nullptr); }},
            {"PDF run output", ".pdf", false, true,
             [this](const QString& t) {
                 TRptRenderPDF pdf;
                 return run(t, false, &pdf);
             }},
            {"Save As snapshot", ".rps", false, true,
             [this](const QString& t) { return saveAs(t, 1); }},
            {"Save As PDF", ".pdf", false, true, [this](const QString& t) { return saveAs(t, 2); }},
            {"rpsdump --pdf", ".pdf", false, false,
             [this](const QString& t) {
                 return rpsdumpPdf(t, dir.write("input.rps", pageStream(2, "zamtOutputFiles")));
             }},
        };
    }

    // The passport record as "записываем?" writes it; its refusals have
    // words of their own, so it is not among writers().
    Writer recordWriter() {
        return {"passport record", ".txt", false, false, [this](const QString& t) {
                    services.dialogs.answers.push_back(t);
                    OpenFileRequest dialog = passportDialogRequest(dir.path());
                    Measurement state;
                    state.K_g = 1.0;
                    runGuarded([&] { writePassportRecord(nullptr, dialog, state); });
                    const QString told = shown();
                    return told.startsWith(QStringLiteral("Уже записано")) ? QString() : told;
                }};
    }

    std::unique_ptr<CupsServer> cups;
    bool printer = false; // a CUPS server of the test's own needs root
    std::unique_ptr<RptSystemPlatform> previous;
    ScriptedServices services;
    TempDir dir;
};

TEST_F(OutputFiles, AFolderWithoutWriteBitsRefusesEveryWriterInTheSameWords) {
    const QString folder = dir.file("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    ::chmod(local(folder).c_str(), 0555); // root too is refused by the bits
    const QString reason = QString::fromLocal8Bit(std::strerror(EACCES));
    for (const Writer& writer : writers()) {
        if (writer.needsPrinter && !printer)
            continue;
        const QString target = folder + "/report" + writer.extension;
        const QString message = "Cannot create file \"" + target + "\". " + reason;
        EXPECT_EQ(writer.write(target), writer.box ? message + "." : message) << writer.what;
        EXPECT_EQ(entries(folder), QStringList{}) << writer.what;
    }
    ::chmod(local(folder).c_str(), 0755);
    if (!printer)
        GTEST_SKIP() << "the printer's output was not tried: " << cups->why().toStdString();
}

// A name typed with a format's extension is written in that format,
// whatever the set-up window's list or the Save As filter says.
TEST_F(OutputFiles, ATypedExtensionDecidesTheFormatInEveryWindow) {
    const struct {
        const char* what;
        const char* name;
        bool needsPrinter; // the set-up window offers a file only with a printer
        std::function<QString(const QString&)> write;
    } cases[] = {
        {"set-up window, snapshot chosen", "passport.pdf", true,
         [this](const QString& t) { return runThroughSetup(t, 0); }},
        {"set-up window, PDF chosen", "passport.RPS", true,
         [this](const QString& t) { return runThroughSetup(t, 2); }},
        {"Save As, snapshot filter", "snap.PDF", false,
         [this](const QString& t) { return saveAs(t, 1); }},
        {"Save As, PDF filter", "snap.rps", false,
         [this](const QString& t) { return saveAs(t, 2); }},
        {"Save As, the printer's output", "snap.prn", true,
         [this](const QString& t) { return saveAs(t, 2); }},
    };
    for (const auto& c : cases) {
        if (c.needsPrinter && !printer)
            continue;
        const QString target = dir.file(c.name);
        EXPECT_EQ(c.write(target), "") << c.what;
        if (QFileInfo(target).suffix().compare("rps", Qt::CaseInsensitive) == 0) {
            EXPECT_EQ(pagesOf(readFile(target)), (std::vector<std::string>{"1:page 1", "2:page 2"}))
                << c.what;
        } else { // a PDF document, also what the cups-pdf printer gets
            EXPECT_EQ(CupsServer::pdfPages(target), 2) << c.what;
            EXPECT_TRUE(CupsServer::pdfText(target).contains("page 2")) << c.what;
        }
    }
    if (!printer)
        GTEST_SKIP() << "the set-up window and the printer's output were not tried: "
                     << cups->why().toStdString();
}

TEST_F(OutputFiles, ANewFileGetsTheUmaskAndAReplacedFileKeepsItsMode) {
    std::vector<Writer> all = writers();
    all.push_back(recordWriter());
    for (const mode_t umask : {mode_t(022), mode_t(027)}) {
        const Umask mask(umask);
        const mode_t expected = 0666 & ~umask;
        for (const Writer& writer : all) {
            if (writer.needsPrinter && !printer)
                continue;
            const QString created = dir.file(QStringLiteral("new") + writer.extension);
            EXPECT_EQ(writer.write(created), QString()) << writer.what;
            struct stat st {};
            ASSERT_EQ(::stat(local(created).c_str(), &st), 0) << writer.what;
            EXPECT_EQ(st.st_mode & 07777, expected)
                << writer.what << " under umask 0" << std::oct << umask;
            EXPECT_GT(st.st_size, 0) << writer.what;

            const QString replaced =
                dir.write(QStringLiteral("old") + writer.extension, "an older");
            ASSERT_EQ(::chmod(local(replaced).c_str(), 0640), 0);
            EXPECT_EQ(writer.write(replaced), QString()) << writer.what;
            ASSERT_EQ(::stat(local(replaced).c_str(), &st), 0) << writer.what;
            EXPECT_EQ(st.st_mode & 07777, 0640u)
                << writer.what << " under umask 0" << std::oct << umask;
            EXPECT_NE(readFile(replaced), "an older") << writer.what;
            QFile::remove(created);
            QFile::remove(replaced);
            EXPECT_EQ(entries(dir.path()).filter(QRegularExpression("^\\.?(new|old)")),
                      QStringList{})
                << writer.what << ": a temporary file stayed";
        }
    }
    if (!printer)
        GTEST_SKIP() << "the printer's output was not tried: " << cups->why().toStdString();
}

} // namespace
} // namespace zamt::test
