#include "PrintingSupport.h"
#include "platform/AppError.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptRenderPrinter.h"
#include "support/ErrorOf.h"
#include "support/Mounts.h"

#include <QBuffer>
#include <QDir>
#include <QPrinter>

namespace zamt::test {
namespace {

// A report run whose set-up chooses as `choose` says, with two pages.
struct PrinterRun {
    PrivateTempFolder temp;
    TRptSystem system;
    explicit PrinterRun(const std::string& title, std::function<void(TRptSystem&)> choose) {
        system.configureForRun({.title = title});
        system.OnPrint = pagesProducer(2);
        system.OverrideSetup = [choose](TRptSystem& s, TOverrideMode mode, QObject*&) {
            if (mode == TOverrideMode::omShow)
                choose(s);
        };
        system.OverrideStatus = [](TRptSystem&, TOverrideMode, QObject*&) {};
    }
};

TEST_F(Printing, DeviceSelectsTheDefaultPrinterOrElseTheLast) {
    ASSERT_TRUE(cups->addPdfQueue("alpha"));
    ASSERT_TRUE(cups->addPdfQueue("zulu"));
    TRptPrinterDevice& device = TRptPrinterDevice::instance();
    EXPECT_EQ(device.printers(), (QStringList{"alpha", "pdf", "zulu"}));
    EXPECT_EQ(device.deviceName(), "pdf");
    EXPECT_TRUE(device.valid());
    EXPECT_EQ(device.portName(), "cups-pdf:/");
    EXPECT_TRUE(device.driverName().contains("CUPS-PDF")) << device.driverName().toStdString();
    EXPECT_GT(device.maxCopies(), 1);

    ASSERT_TRUE(cups->removeQueue("pdf")); // the default goes with it
    TRptPrinterDevice::reset();
    EXPECT_EQ(TRptPrinterDevice::instance().deviceName(), "zulu");
}

TEST_F(Printing, RunToThePrinterPrintsEveryPageAsOneJob) {
    PrinterRun run(title(), [](TRptSystem& s) { s.ReportDest = TReportDest::rdPrinter; });
    run.system.Execute();
    EXPECT_FALSE(run.system.Cancelled);
    const QStringList pdfs = cups->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(CupsServer::pdfPages(pdfs[0]), 2);
    ASSERT_EQ(cups->jobDocuments().size(), 1);
    const QString text = CupsServer::pdfText(cups->jobDocuments()[0]);
    EXPECT_TRUE(text.contains("page 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("page 2")) << text.toStdString();
    EXPECT_EQ(cups->jobTitles(), QStringList{QString::fromStdString(title())});
    EXPECT_TRUE(run.temp.pageFiles().isEmpty()) << "no page file after a printer run";
}

TEST_F(Printing, CopiesGoIntoThePrintersSettingsOnlyWhenPositive) {
    for (int copies : {2, 0}) {
        TRptPrinterDevice& device = TRptPrinterDevice::instance();
        const int before = device.copies();
        PrinterRun run(title(), [copies](TRptSystem& s) {
            s.ReportDest = TReportDest::rdPrinter;
            s.SystemPrinter.Copies = copies;
        });
        run.system.Execute();
        EXPECT_EQ(device.copies(), copies > 0 ? copies : before) << copies;
        EXPECT_FALSE(run.system.RepeatCopies);
    }
    EXPECT_EQ(cups->waitForPdfs(2).size(), 2)
        << "one job for each run; the printer makes the copies";
}

TEST_F(Printing, ThreeCopiesOnAPrinterOfOneCopyAreThreeJobs) {
    startServer({.maxCopies = 1});
    ASSERT_EQ(TRptPrinterDevice::instance().maxCopies(), 1);
    PrinterRun run(title(), [](TRptSystem& s) {
        s.ReportDest = TReportDest::rdPrinter;
        s.SystemPrinter.Copies = 3;
    });
    run.system.Execute();
    EXPECT_TRUE(run.system.RepeatCopies);
    const QStringList pdfs = cups->waitForPdfs(3);
    ASSERT_EQ(pdfs.size(), 3);
    for (const QString& pdf : pdfs)
        EXPECT_EQ(CupsServer::pdfPages(pdf), 2);
    ASSERT_EQ(cups->jobDocuments().size(), 3);
    for (const QString& document : cups->jobDocuments())
        EXPECT_TRUE(CupsServer::pdfText(document).contains("page 2"));
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST_F(Printing, NativeOutputWritesThePrintersDataIntoTheFile) {
    TempDir out;
    const int jobsBefore = cups->completedJobs();
    PrinterRun run(title(), [&](TRptSystem& s) {
        s.ReportDest = TReportDest::rdFile;
        s.DoNativeOutput = true;
        s.OutputFileName = out.file("report.prn");
    });
    run.system.Execute();
    const QByteArray data = readFile(out.file("report.prn"));
    EXPECT_TRUE(data.startsWith("%PDF")) << data.left(16).toStdString();
    const QString text = CupsServer::pdfText(out.file("report.prn"));
    EXPECT_TRUE(text.contains("page 1") && text.contains("page 2")) << text.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.prn"});
    EXPECT_EQ(cups->completedJobs(), jobsBefore) << "nothing goes to the printer";
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    EXPECT_TRUE(TRptPrinterDevice::instance().printer()->outputFileName().isEmpty())
        << "the printer prints to itself again afterwards";
}

TEST_F(Printing, NativeOutputIntoAReadOnlyFolderLeavesNothing) {
    TmpfsMount folder(1 << 20, TmpfsMount::Mode::ReadOnly);
    if (!folder.mounted())
        GTEST_SKIP() << folder.why().toStdString();
    PrinterRun run(title(), [&](TRptSystem& s) {
        s.ReportDest = TReportDest::rdFile;
        s.DoNativeOutput = true;
        s.OutputFileName = folder.file("report.prn");
    });
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "Cannot create file \"" +
                                                          folder.file("report.prn").toStdString() +
                                                          "\". Read-only file system");
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST_F(Printing, NativeOutputOnAFullDiskLeavesNothing) {
    TmpfsMount disk(64 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    disk.fill();
    PrinterRun run(title(), [&](TRptSystem& s) {
        s.ReportDest = TReportDest::rdFile;
        s.DoNativeOutput = true;
        s.OutputFileName = disk.file("report.prn");
    });
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }), "Cannot write file \"" +
                                                          disk.file("report.prn").toStdString() +
                                                          "\". No space left on device");
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST_F(Printing, PrinterThatDisappearedIsAnInvalidPrinter) {
    TRptPrinterDevice& device = TRptPrinterDevice::instance();
    ASSERT_EQ(device.deviceName(), "pdf");
    ASSERT_TRUE(cups->removeQueue("pdf"));
    PrinterRun run(title(), [](TRptSystem& s) { s.ReportDest = TReportDest::rdPrinter; });
    EXPECT_EQ(errorOf([&] { run.system.Execute(); }),
              "Invalid Printer - pdf on cups-pdf:/ (" + device.driverName().toStdString() + ")");
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST_F(Printing, RendererPrintsThePagesOfItsRange) {
    QBuffer stream;
    stream.setData(pageStream(3, title()));
    stream.open(QIODevice::ReadOnly);
    TRptRenderPrinter printer;
    printer.setStream(&stream, 0);
    EXPECT_EQ(printer.pageCount(), 3) << "the count of the stream's header";
    printer.FirstPage = 2;
    printer.LastPage = 3;
    printer.print();
    QStringList pdfs = cups->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(CupsServer::pdfPages(pdfs[0]), 2);
    QString text = CupsServer::pdfText(cups->jobDocuments().value(0));
    EXPECT_FALSE(text.contains("page 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("page 2") && text.contains("page 3")) << text.toStdString();

    printer.Selection = "1,3";
    printer.print();
    pdfs = cups->waitForPdfs(2);
    ASSERT_EQ(pdfs.size(), 2);
    text = CupsServer::pdfText(cups->jobDocuments().value(1));
    EXPECT_TRUE(text.contains("page 1") && text.contains("page 3") && !text.contains("page 2"))
        << text.toStdString();
}

} // namespace
} // namespace zamt::test
