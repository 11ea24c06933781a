// "отчет" end to end: the main window's text view through the report
// project, the set-up window and the report system to a CUPS printer of the
// test's own and to snapshot files in the working folder.
#include "../records/RecordTestSupport.h"
#include "../report/windows/PrintingSupport.h"
#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "platform/CodePage.h"
#include "report/pdf/TRptRenderPDF.h"
#include "report/preview/RptPreviewHook.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"
#include "support/GuiHelpers.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <optional>

namespace zamt::test {
namespace {

// The texts of every page of a snapshot file, in order.
struct SnapshotTexts : TRptRender {
    std::vector<std::vector<std::string>> pages;
    void beginPage(const RptPageInfo&) override { pages.emplace_back(); }
    void text(const RptText& text) override {
        std::string plain;
        for (const std::string& run : text.runs)
            plain += run;
        pages.back().push_back(plain);
    }
};

SnapshotTexts snapshotTexts(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    TRptStreamReader reader(&file);
    SnapshotTexts texts;
    reader.replayAll(texts);
    return texts;
}

class ReportRun : public Printing {
protected:
    void SetUp() override {
        previewHook = rptPreviewHook;
        Printing::SetUp();
        if (IsSkipped())
            return;
        // After the CUPS server has made its folders, which its filters
        // (running as another user) must reach.
        temp.emplace();
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
        createForms();
        Form1->show();
        test::child<QAction>(Form1, "thten1")->trigger();
    }
    void TearDown() override {
        if (Form1)
            destroyForms();
        if (!previousFolder_.isEmpty())
            QDir::setCurrent(previousFolder_);
        Printing::TearDown();
    }

    void placeDefaultProject() {
        QFile::copy(sourceDir() + "/resources/Project1.rpj", folder.file("Project1.rpj"));
    }
    void loadRecord() {
        const QString record =
            folder.write("data07.txt", QByteArray::fromStdString(exampleRecord(',')));
        services->dialogs.answers.push_back(record);
        test::click(test::child<QPushButton>(Form1, "Button1"));
    }
    // Presses "отчет" and answers the set-up window with `choose`, which
    // gets the window and closes it.
    void runReport(const std::function<void(QWidget* setup)>& choose) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            QWidget* setup = QApplication::activeModalWidget();
            ASSERT_NE(setup, nullptr) << "no set-up window";
            EXPECT_EQ(setup->windowTitle(), "Output Options");
            answered = true;
            choose(setup);
        });
        test::click(test::child<QPushButton>(Form1, "btRun"));
        EXPECT_TRUE(answered);
    }
    static void chooseFile(QWidget* setup, const QString& name, int format) {
        test::child<QRadioButton>(setup, "FileRB")->click();
        test::child<QLineEdit>(setup, "editFileName")->setText(name);
        test::child<QComboBox>(setup, "cboxFormat")->setCurrentIndex(format);
        test::child<QPushButton>(setup, "bbtnOK")->click();
    }
    // Presses "отчет", takes the preview in the set-up window and, once the
    // preview is the window in front (after the generation), hands it to
    // `act`, which closes it.
    void runToPreview(const std::function<void(TRptPreviewForm* preview)>& act) {
        bool previewed = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* preview = qobject_cast<TRptPreviewForm*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            poll.stop();
            previewed = true;
            act(preview);
        });
        runReport([&](QWidget* setup) {
            EXPECT_TRUE(test::child<QRadioButton>(setup, "PreviewRB")->isChecked());
            poll.start();
            test::child<QPushButton>(setup, "bbtnOK")->click();
        });
        EXPECT_TRUE(previewed);
    }
    // The record's 30 lines as the text view shows them.
    static std::vector<std::string> recordLines() {
        std::vector<std::string> lines;
        std::string record = exampleRecord(',');
        size_t start = 0;
        for (size_t end; (end = record.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(record.substr(start, end - start));
        return lines;
    }
    // Every line of the record is found in the text, in order.
    static void expectRowsInOrder(const QString& text) {
        const QString plain = text.simplified();
        qsizetype at = 0;
        for (const std::string& line : recordLines()) {
            const QString row = fromCp1251(line).simplified();
            const qsizetype found = plain.indexOf(row, at);
            EXPECT_GE(found, at) << "row missing or out of order: " << row.toStdString();
            if (found >= 0)
                at = found;
        }
    }

    TempDir folder;
    std::optional<PrivateTempFolder> temp;

private:
    QString previousFolder_;
};

TEST_F(ReportRun, TheWorkedExampleRecordPrintsEveryRowInOrder) {
    placeDefaultProject();
    loadRecord();
    runReport([](QWidget* setup) {
        test::child<QRadioButton>(setup, "PrinterRB")->click();
        test::child<QPushButton>(setup, "bbtnOK")->click();
    });
    EXPECT_TRUE(services->boxes.shown.empty());
    ASSERT_EQ(cups->waitForPdfs(1).size(), 1);
    ASSERT_EQ(cups->jobDocuments().size(), 1);
    const QString text = CupsServer::pdfText(cups->jobDocuments()[0]);
    expectRowsInOrder(text);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Страница 1 из 1"))) << text.toStdString();
    EXPECT_TRUE(temp->pageFiles().isEmpty());
}

TEST_F(ReportRun, ASnapshotFileInTheWorkingFolderHoldsTheRows) {
    placeDefaultProject();
    loadRecord();
    runReport([](QWidget* setup) { chooseFile(setup, "passport", 0); });
    EXPECT_TRUE(services->boxes.shown.empty());
    const SnapshotTexts texts = snapshotTexts(folder.file("passport.rps"));
    ASSERT_EQ(texts.pages.size(), 1u);
    const std::vector<std::string>& rows = texts.pages[0];
    ASSERT_GE(rows.size(), 32u);
    EXPECT_EQ(rows.front(), cp1251("Паспорт измерительного участка"));
    EXPECT_EQ(rows.back(), cp1251("Страница 1 из 1"));
    // One row per displayed line: the record's long lines wrap at the text
    // view's width into several rows, in order.
    std::string printed, record;
    for (size_t i = 1; i + 1 < rows.size(); ++i)
        printed += rows[i];
    for (const std::string& line : recordLines())
        record += line;
    EXPECT_EQ(printed, record);
    EXPECT_GT(rows.size() - 2, recordLines().size());
    EXPECT_TRUE(temp->pageFiles().isEmpty());
}

TEST_F(ReportRun, APdfPassportHoldsEveryRowInOrder) {
    RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
    placeDefaultProject();
    loadRecord();
    QString offered;
    runReport([&](QWidget* setup) {
        offered = test::child<QComboBox>(setup, "cboxFormat")->itemText(2);
        chooseFile(setup, "passport", 2);
    });
    RptOutputFormats::instance().remove(RptOutputFormats::instance().active().back());
    EXPECT_EQ(offered, "PDF Document (PDF)");
    EXPECT_TRUE(services->boxes.shown.empty());
    expectRowsInOrder(CupsServer::pdfText(folder.file("passport.pdf")));
    EXPECT_TRUE(temp->pageFiles().isEmpty());
}

TEST_F(ReportRun, ThePreviewsSaveAsWithThePdfFilterGivesABareNameThePdfExtension) {
    TRptRenderFile& pdf = RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
    placeDefaultProject();
    loadRecord();
    runToPreview([&](TRptPreviewForm* preview) {
        QWidget* focus = test::child<QLineEdit>(preview, "PageEdit");
        test::focus(focus);
        services->dialogs.saveAnswers.push_back(SaveFileAnswer{folder.file("passport"), 2});
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Escape);
    });
    RptOutputFormats::instance().remove(&pdf);
    EXPECT_TRUE(services->boxes.shown.empty());
    ASSERT_EQ(services->dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(services->dialogs.saveRequests[0].filter,
              "Report Snapshot Files (*.rps)|*.rps|PDF Document (PDF)|*.pdf");
    EXPECT_TRUE(readFile(folder.file("passport.pdf")).startsWith("%PDF-"));
    expectRowsInOrder(CupsServer::pdfText(folder.file("passport.pdf")));
    EXPECT_FALSE(QFile::exists(folder.file("passport.rps")));
    EXPECT_FALSE(QFile::exists(folder.file("passport")));
    EXPECT_TRUE(temp->pageFiles().isEmpty());
}

TEST_F(ReportRun, ThePreviewShowsTheRecordUntilEsc) {
    placeDefaultProject();
    loadRecord();
    runToPreview([&](TRptPreviewForm* preview) {
        EXPECT_EQ(preview->windowTitle(), "Report Preview");
        EXPECT_EQ(preview->size(), QSize(615, 450));
        EXPECT_EQ(test::child<QLabel>(preview, "PageLabel")->text(), "of 1");
        EXPECT_EQ(test::child<QStatusBar>(preview, "sbarMain")->currentMessage(), "Page 1 of 1");
        EXPECT_EQ(temp->pageFiles().size(), 1) << "the page file while the preview shows it";
        QLineEdit* zoom = test::child<QLineEdit>(preview, "ZoomEdit");
        QWidget* focus = test::child<QLineEdit>(preview, "PageEdit");
        test::focus(focus);
        QTest::keyClick(focus, '+');
        EXPECT_EQ(zoom->text(), "110.0");
        QTest::keyClick(focus, 'f');
        EXPECT_NEAR(preview->RenderPreview().zoomFactor(),
                    preview->RenderPreview().zoomPageFactor(), 1e-9);
        services->dialogs.saveAnswers.push_back(SaveFileAnswer{folder.file("passport.rps"), 1});
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Escape);
    });
    EXPECT_TRUE(services->boxes.shown.empty());
    // The saved snapshot holds the record's rows.
    const SnapshotTexts texts = snapshotTexts(folder.file("passport.rps"));
    ASSERT_EQ(texts.pages.size(), 1u);
    std::string printed, record;
    for (size_t i = 1; i + 1 < texts.pages[0].size(); ++i)
        printed += texts.pages[0][i];
    for (const std::string& line : recordLines())
        record += line;
    EXPECT_EQ(printed, record);
    EXPECT_TRUE(temp->pageFiles().isEmpty()) << "the page file goes with the preview";
    EXPECT_TRUE(test::child<QPushButton>(Form1, "btRun")->isEnabled());
}

TEST_F(ReportRun, BeforeAnyFileTheStartUpLineIsTheOneRow) {
    placeDefaultProject();
    runReport([](QWidget* setup) { chooseFile(setup, "start.rps", 0); });
    const SnapshotTexts texts = snapshotTexts(folder.file("start.rps"));
    ASSERT_EQ(texts.pages.size(), 1u);
    ASSERT_EQ(texts.pages[0].size(), 3u);
    EXPECT_EQ(texts.pages[0][1], cp1251("для записи используйте файл \"data07.txt\""));
}

TEST_F(ReportRun, TheProjectFileIsReadOnceItExists) {
    // Missing: the message, and the next run tries again.
    test::click(test::child<QPushButton>(Form1, "btRun"));
    ASSERT_EQ(services->boxes.shown.size(), 1u);
    EXPECT_EQ(services->boxes.shown[0].text,
              QStringLiteral("The following reporting project does not exist:\r\"%1\"")
                  .arg(test::shownPath(folder.file("Project1.rpj"))));
    placeDefaultProject();
    runReport([](QWidget* setup) { test::child<QPushButton>(setup, "CancelBB")->click(); });
    EXPECT_EQ(services->boxes.shown.size(), 1u);
    // Replaced after a success: the loaded project stays.
    QFile::remove(folder.file("Project1.rpj"));
    folder.write("Project1.rpj", "not a project");
    runReport([](QWidget* setup) { chooseFile(setup, "again.rps", 0); });
    EXPECT_EQ(services->boxes.shown.size(), 1u);
    EXPECT_EQ(snapshotTexts(folder.file("again.rps")).pages.size(), 1u);
    EXPECT_TRUE(temp->pageFiles().isEmpty());
}

TEST_F(ReportRun, AZeroLengthProjectRunsAnEmptyReportWithoutRows) {
    folder.write("Project1.rpj", "");
    int rowsAsked = 0;
    const auto previous = Form1->RptCustomConnection1.OnGetRow;
    Form1->RptCustomConnection1.OnGetRow = [&](TRptCustomConnection& c) {
        ++rowsAsked;
        previous(c);
    };
    runReport([](QWidget* setup) { chooseFile(setup, "empty", 0); });
    EXPECT_TRUE(services->boxes.shown.empty());
    const SnapshotTexts texts = snapshotTexts(folder.file("empty.rps"));
    ASSERT_EQ(texts.pages.size(), 1u);
    EXPECT_TRUE(texts.pages[0].empty());
    EXPECT_EQ(rowsAsked, 0);
}

} // namespace
} // namespace zamt::test
