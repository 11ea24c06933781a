// Print from the preview window on a CUPS PDF queue of the test's own: the
// set-up window in print-from-preview mode, then the stream on the printer.
#include "../windows/PrintingSupport.h"
#include "platform/MessageBoxes.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/system/TRptSystem.h"
#include "report/windows/TRptPrinterDevice.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <cstring>

namespace zamt::test {
namespace {

class PreviewPrint : public Printing {
protected:
    void SetUp() override {
        Printing::SetUp();
        if (IsSkipped())
            return;
        system.configureForRun({.title = title()});
        open();
    }
    void TearDown() override {
        form.reset();
        Printing::TearDown();
    }
    // A fresh window on a three-page report of the run.
    void open() {
        form = std::make_unique<TRptPreviewForm>();
        form->ReportSystem = &system;
        form->setInputFileName(dir.write(QStringLiteral("report.rps"), pageStream(3, title())));
        form->startPreview();
        form->show();
    }
    // Print, answering the set-up window with `answer`, which gets it and
    // closes it. False when no set-up window came.
    bool print(const std::function<void(QWidget*)>& answer) {
        bool asked = false;
        QTimer::singleShot(0, [&] {
            QWidget* setup = QApplication::activeModalWidget();
            if (!setup || setup == form.get())
                return;
            asked = true;
            EXPECT_EQ(setup->windowTitle(), "Output Options");
            EXPECT_EQ(child<QStackedWidget>(setup, "PageControl1")->currentWidget()->objectName(),
                      "TabSheet2")
                << "the page range, not the destination";
            answer(setup);
        });
        child<QAction>(form.get(), "actnFile_Print")->trigger();
        return asked;
    }
    static void ok(QWidget* setup) { child<QPushButton>(setup, "bbtnOK")->click(); }

    TempDir dir;
    TRptSystem system;
    std::unique_ptr<TRptPreviewForm> form;
};

TEST_F(PreviewPrint, CancelledSetupPrintsNothing) {
    const int before = cups->completedJobs();
    EXPECT_TRUE(print([](QWidget* setup) { child<QPushButton>(setup, "CancelBB")->click(); }));
    EXPECT_TRUE(services->boxes.shown.empty());
    EXPECT_TRUE(cups->jobTitles().isEmpty());
    EXPECT_EQ(cups->completedJobs(), before);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PreviewPrint, EveryPageAsOneJob) {
    EXPECT_TRUE(print(ok));
    EXPECT_TRUE(services->boxes.shown.empty());
    const QStringList pdfs = cups->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(CupsServer::pdfPages(pdfs[0]), 3);
    EXPECT_EQ(cups->jobTitles(), QStringList{QString::fromStdString(title())});
    EXPECT_EQ(form->RenderPreview().currentPage(), 1);
}

TEST_F(PreviewPrint, ThreeCopiesOnAPrinterOfOneCopyPrintTheStreamThreeTimes) {
    form.reset();
    startServer({.maxCopies = 1});
    ASSERT_EQ(TRptPrinterDevice::instance().maxCopies(), 1);
    open();
    EXPECT_TRUE(print([](QWidget* setup) {
        child<QLineEdit>(setup, "CopiesED")->setText("3");
        ok(setup);
    }));
    EXPECT_TRUE(services->boxes.shown.empty());
    const QStringList pdfs = cups->waitForPdfs(3);
    ASSERT_EQ(pdfs.size(), 3);
    for (const QString& pdf : pdfs)
        EXPECT_EQ(CupsServer::pdfPages(pdf), 3);
    EXPECT_EQ(cups->jobTitles().size(), 3);
}

TEST_F(PreviewPrint, OnlyThePagesChosenArePrinted) {
    EXPECT_TRUE(print([](QWidget* setup) {
        child<QRadioButton>(setup, "PagesRB")->click();
        child<QLineEdit>(setup, "FromED")->setText("2");
        child<QLineEdit>(setup, "ToED")->setText("3");
        ok(setup);
    }));
    QStringList pdfs = cups->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(CupsServer::pdfPages(pdfs[0]), 2);
    QString text = CupsServer::pdfText(cups->jobDocuments().value(0));
    EXPECT_TRUE(text.contains("page 2") && text.contains("page 3") && !text.contains("page 1"))
        << text.toStdString();

    EXPECT_TRUE(print([](QWidget* setup) {
        child<QRadioButton>(setup, "SelectionRB")->click();
        child<QLineEdit>(setup, "SelectionED")->setText("1,3");
        ok(setup);
    }));
    pdfs = cups->waitForPdfs(2);
    ASSERT_EQ(pdfs.size(), 2);
    text = CupsServer::pdfText(cups->jobDocuments().value(1));
    EXPECT_TRUE(text.contains("page 1") && text.contains("page 3") && !text.contains("page 2"))
        << text.toStdString();
}

TEST_F(PreviewPrint, ARangeWithoutAPageOfTheReportIsRefusedAndTheWindowKeepsIt) {
    // A selection is typed into the one box From stands for.
    struct Case {
        const char* button;
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"PagesRB", "12", "2", "The page range From 12 To 2 is empty: From is above To."},
        {"PagesRB", "4", "9", "The report has pages 1 to 3; the range From 4 To 9 has none of them."},
        {"PagesRB", "0", "0", "The report has pages 1 to 3; the range From 0 To 0 has none of them."},
        {"SelectionRB", "7", "", "The report has pages 1 to 3; the selection \"7\" has none of them."},
        {"SelectionRB", "0", "", "The report has pages 1 to 3; the selection \"0\" has none of them."},
        {"SelectionRB", "4-2,9", "",
         "The report has pages 1 to 3; the selection \"4-2,9\" has none of them."},
    };
    for (const Case& c : cases) {
        services->boxes.shown.clear();
        const bool pages = std::strcmp(c.button, "PagesRB") == 0;
        const char* firstBox = pages ? "FromED" : "SelectionED";
        EXPECT_TRUE(print([&](QWidget* setup) {
            child<QRadioButton>(setup, c.button)->click();
            child<QLineEdit>(setup, firstBox)->setText(c.from);
            if (pages)
                child<QLineEdit>(setup, "ToED")->setText(c.to);
            ok(setup);
            EXPECT_TRUE(setup->isVisible()) << c.from << "-" << c.to;
            EXPECT_EQ(QApplication::activeModalWidget(), setup);
            EXPECT_EQ(child<QLineEdit>(setup, firstBox)->text(), c.from);
            if (pages) {
                EXPECT_EQ(child<QLineEdit>(setup, "ToED")->text(), c.to);
            }
            EXPECT_TRUE(child<QRadioButton>(setup, c.button)->isChecked());
            child<QPushButton>(setup, "CancelBB")->click();
        }));
        ASSERT_EQ(services->boxes.shown.size(), 1u) << c.from << "-" << c.to;
        EXPECT_EQ(services->boxes.shown[0].kind, BoxKind::Plain);
        EXPECT_EQ(services->boxes.shown[0].text, c.message);
    }
    EXPECT_TRUE(cups->jobTitles().isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PreviewPrint, ARangePartlyOutsideTheReportPrintsItsPagesInside) {
    const struct {
        const char* from;
        const char* to;
        const char* printed;
        const char* left;
    } cases[] = {{"2", "99", "23", "1"}, {"0", "1", "1", "23"}};
    int job = 0;
    for (const auto& c : cases) {
        EXPECT_TRUE(print([&](QWidget* setup) {
            child<QRadioButton>(setup, "PagesRB")->click();
            child<QLineEdit>(setup, "FromED")->setText(c.from);
            child<QLineEdit>(setup, "ToED")->setText(c.to);
            ok(setup);
        }));
        EXPECT_TRUE(services->boxes.shown.empty());
        const QStringList pdfs = cups->waitForPdfs(job + 1);
        ASSERT_EQ(pdfs.size(), job + 1);
        const QString text = CupsServer::pdfText(cups->jobDocuments().value(job));
        EXPECT_EQ(CupsServer::pdfPages(cups->jobDocuments().value(job)),
                  int(std::strlen(c.printed)));
        for (const char* page = c.printed; *page; ++page)
            EXPECT_TRUE(text.contains(QStringLiteral("page ") + *page)) << text.toStdString();
        for (const char* page = c.left; *page; ++page)
            EXPECT_FALSE(text.contains(QStringLiteral("page ") + *page)) << text.toStdString();
        ++job;
    }
}

TEST_F(PreviewPrint, WithoutThePreviewSetupTheStreamGoesStraightToThePrinter) {
    system.SystemSetups -= TSystemSetup::ssAllowPreviewSetup;
    EXPECT_FALSE(print(ok));
    EXPECT_EQ(cups->waitForPdfs(1).size(), 1);
}

TEST_F(PreviewPrint, NothingHappensWhereTheSystemAllowsNoPrintFromThePreview) {
    system.SystemOptions -= TSystemOption::soAllowPrintFromPreview;
    EXPECT_FALSE(print(ok));
    EXPECT_TRUE(cups->jobTitles().isEmpty());
}

} // namespace
} // namespace zamt::test
