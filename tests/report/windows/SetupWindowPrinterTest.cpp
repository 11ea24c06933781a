#include "PrintingSupport.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptRenderPrinter.h"
#include "report/windows/TRptSetupForm.h"
#include "support/GuiHelpers.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace zamt::test {
namespace {

class SetupWindow : public Printing {
protected:
    void SetUp() override {
        Printing::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        system = std::make_unique<TRptSystem>();
        system->configureForRun({});
        form = std::make_unique<TRptSetupForm>();
        form->ReportSystem = system.get();
    }
    void TearDown() override {
        form.reset();
        system.reset();
        Printing::TearDown();
    }
    QWidget* w(const char* name) { return child(form.get(), name); }
    // A radio button or check box takes clicks on its mark and caption.
    void press(const char* name) {
        QWidget* button = w(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    bool enabled(const char* name) { return w(name)->isEnabled(); }
    void typeInto(const char* name, const QString& text) {
        auto* box = child<QLineEdit>(form.get(), name);
        box->clear();
        test::type(box, text);
    }
    std::unique_ptr<TRptSystem> system;
    std::unique_ptr<TRptSetupForm> form;
};

TEST_F(SetupWindow, OpensWithThePreviewChecked) {
    form->show();
    EXPECT_EQ(child<QLabel>(form.get(), "PrinterLabel")->text(), "pdf on cups-pdf:/");
    EXPECT_TRUE(child<QRadioButton>(form.get(), "PreviewRB")->isChecked());
    EXPECT_EQ(child<QStackedWidget>(form.get(), "PageControl1")->currentWidget()->objectName(),
              "TabSheet1");
    for (const char* name :
         {"editFileName", "FileNameSB", "cboxFormat", "CopiesED", "CollateCK", "DuplexCK"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"PrinterRB", "PreviewRB", "FileRB", "SetupBB", "bbtnOK"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_EQ(child<QLineEdit>(form.get(), "CopiesED")->text(), "1");
    EXPECT_FALSE(child<QCheckBox>(form.get(), "CollateCK")->isChecked());
}

// A Space press on the window as it opens keeps the destination checked.
TEST_F(SetupWindow, KeyboardStartsOnTheCheckedDestination) {
    const struct {
        TReportDest dest;
        const char* button;
    } cases[] = {
        {TReportDest::rdPrinter, "PrinterRB"},
        {TReportDest::rdPreview, "PreviewRB"},
        {TReportDest::rdFile, "FileRB"},
    };
    const char* destinations[] = {"PrinterRB", "PreviewRB", "FileRB"};
    for (const auto& c : cases) {
        system->DefaultDest = c.dest;
        TRptSetupForm setup;
        setup.ReportSystem = system.get();
        setup.show();
        setup.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&setup)) << c.button;
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << c.button;
        EXPECT_EQ(focused->objectName().toStdString(), c.button);
        QTest::keyClick(focused, Qt::Key_Space);
        for (const char* name : destinations)
            EXPECT_EQ(child<QRadioButton>(&setup, name)->isChecked(), std::string(name) == c.button)
                << c.button << " then Space: " << name;
    }
}

TEST_F(SetupWindow, ReactsToTheDestinationButtons) {
    system->SystemSetups -= TSystemSetup::ssAllowCopies;
    form->show();
    press("PrinterRB");
    EXPECT_TRUE(enabled("CopiesED")) << "the printer enables copies even when not allowed";
    EXPECT_TRUE(enabled("CollateCK"));
    press("PreviewRB");
    EXPECT_FALSE(enabled("CopiesED"));
    EXPECT_FALSE(enabled("CollateCK"));
    EXPECT_FALSE(enabled("DuplexCK"));
    press("FileRB");
    EXPECT_TRUE(enabled("editFileName") && enabled("FileNameSB") && enabled("cboxFormat"));
    EXPECT_FALSE(enabled("SetupBB"));
    EXPECT_FALSE(enabled("bbtnOK")) << "no file name yet";
    typeInto("editFileName", "   ");
    EXPECT_FALSE(enabled("bbtnOK")) << "a blank name";
    typeInto("editFileName", "report");
    EXPECT_TRUE(enabled("bbtnOK"));
}

TEST_F(SetupWindow, StoresTheFileNameWithTheFormatsExtension) {
    struct Case {
        const char* typed;
        int format;
        const char* stored;
        bool native;
    };
    const Case cases[] = {
        {"report", 0, "report.rps", false},    {"report", 1, "report.prn", true},
        {" report ", 0, "report.rps", false},  {"out.v1/report", 0, "out.v1/report.rps", false},
        {"report.txt", 1, "report.txt", true},
    };
    for (const Case& c : cases) {
        SetUp();
        form->show();
        press("FileRB");
        typeInto("editFileName", c.typed);
        child<QComboBox>(form.get(), "cboxFormat")->setCurrentIndex(c.format);
        test::click(w("bbtnOK"));
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(system->ReportDest, TReportDest::rdFile) << c.typed;
        EXPECT_EQ(system->OutputFileName, c.stored) << c.typed;
        EXPECT_EQ(system->DoNativeOutput, c.native) << c.typed;
        EXPECT_EQ(system->RenderObject, nullptr);
        form.reset();
        system.reset();
    }
}

TEST_F(SetupWindow, StoresCopiesCollateAndDuplex) {
    form->show();
    press("PrinterRB");
    typeInto("CopiesED", "1a2");
    EXPECT_EQ(child<QLineEdit>(form.get(), "CopiesED")->text(), "12") << "digits only";
    press("CollateCK");
    press("DuplexCK");
    test::click(w("bbtnOK"));
    EXPECT_EQ(system->ReportDest, TReportDest::rdPrinter);
    EXPECT_EQ(system->SystemPrinter.Copies, 12);
    EXPECT_TRUE(system->SystemPrinter.Collate);
    EXPECT_EQ(system->SystemPrinter.Duplex, 1);

    SetUp();
    system->SystemPrinter.Copies = 4;
    system->SystemPrinter.Duplex = 2;
    form->show();
    press("PrinterRB");
    child<QLineEdit>(form.get(), "CopiesED")->clear();
    press("DuplexCK");
    test::click(w("bbtnOK"));
    EXPECT_EQ(system->SystemPrinter.Copies, 4) << "no number: Copies stays";
    EXPECT_EQ(system->SystemPrinter.Duplex, 2) << "a two-sided mode stays";
}

TEST_F(SetupWindow, CancelStoresNothing) {
    form->show();
    press("PrinterRB");
    typeInto("CopiesED", "7");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(system->SystemPrinter.Copies, 1);
    EXPECT_EQ(system->ReportDest, TReportDest::rdPreview);
}

TEST_F(SetupWindow, SaveDialogSetsNameAndFormat) {
    form->show();
    press("FileRB");
    services->dialogs.saveAnswers.push_back(SaveFileAnswer{"/tmp/out/list.prn", 2});
    test::click(w("FileNameSB"));
    ASSERT_EQ(services->dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(services->dialogs.saveRequests[0].filter,
              "Report Snapshot File (RPS)|*.RPS|Native Printer Output (PRN)|*.PRN");
    EXPECT_EQ(services->dialogs.saveRequests[0].filterIndex, 1);
    EXPECT_EQ(child<QLineEdit>(form.get(), "editFileName")->text(), "/tmp/out/list.prn");
    EXPECT_EQ(child<QComboBox>(form.get(), "cboxFormat")->currentIndex(), 1);

    auto* formats = child<QComboBox>(form.get(), "cboxFormat");
    formats->setFocus();
    QTest::keyClick(formats, Qt::Key_Up); // the user picks item 0
    EXPECT_EQ(form->saveFilterIndex(), 1);
    test::click(w("FileNameSB")); // cancelled
    EXPECT_EQ(services->dialogs.saveRequests.back().filterIndex, 1);
    EXPECT_EQ(child<QLineEdit>(form.get(), "editFileName")->text(), "/tmp/out/list.prn");
}

TEST_F(SetupWindow, PrinterSetupChoiceStaysSelected) {
    ASSERT_TRUE(cups->addPdfQueue("other"));
    TRptPrinterDevice::reset();
    form->show();
    services->dialogs.printerSetupAnswers.push_back([](QPrinter& printer) {
        printer.setPrinterName("other");
        printer.setCopyCount(5);
        return true;
    });
    test::click(w("SetupBB"));
    EXPECT_EQ(child<QLabel>(form.get(), "PrinterLabel")->text(), "other on cups-pdf:/");
    TRptPrinterDevice& device = TRptPrinterDevice::instance();
    EXPECT_EQ(device.deviceName(), "other");
    EXPECT_EQ(device.copies(), 5);
    EXPECT_EQ(device.printerIndex(), int(device.printers().indexOf("other")));

    services->dialogs.printerSetupAnswers.push_back({}); // cancelled
    test::click(w("SetupBB"));
    EXPECT_EQ(device.deviceName(), "other");
}

TEST_F(SetupWindow, PrintFromPreviewFillsThePrinterRenderer) {
    QBuffer stream;
    stream.setData(pageStream(3, title()));
    stream.open(QIODevice::ReadOnly);
    TRptRenderPrinter renderer;
    renderer.setStream(&stream, 3);
    form->PreviewSetup = true;
    form->RenderPrinter = &renderer;
    form->show();
    EXPECT_EQ(child<QStackedWidget>(form.get(), "PageControl1")->currentWidget()->objectName(),
              "TabSheet2");
    EXPECT_EQ(child<QLineEdit>(form.get(), "FromED")->text(), "1");
    EXPECT_EQ(child<QLineEdit>(form.get(), "ToED")->text(), "3");
    EXPECT_EQ(child<QLineEdit>(form.get(), "SelectionED")->text(), "1-3");

    press("SelectionRB");
    EXPECT_TRUE(w("FromED")->isHidden());
    EXPECT_TRUE(enabled("SelectionED") && w("SelectionED")->isVisible());
    typeInto("SelectionED", "1,x3");
    EXPECT_EQ(child<QLineEdit>(form.get(), "SelectionED")->text(), "1,3");
    typeInto("CopiesED", "2");
    press("CollateCK");
    test::click(w("bbtnOK"));
    EXPECT_EQ(renderer.Selection, "1,3");
    EXPECT_EQ(renderer.FirstPage, 1);
    EXPECT_EQ(renderer.LastPage, 9999);
    EXPECT_EQ(renderer.Copies, 2);
    EXPECT_TRUE(renderer.Collate);
    EXPECT_EQ(system->SystemPrinter.Copies, 2) << "the report system gets the options too";
}

TEST_F(SetupWindow, PageRangeThatIsNotANumberStillClosesWithOk) {
    QBuffer stream;
    stream.setData(pageStream(3, title()));
    stream.open(QIODevice::ReadOnly);
    TRptRenderPrinter renderer;
    renderer.setStream(&stream, 3);
    renderer.Copies = 1;
    form->PreviewSetup = true;
    form->RenderPrinter = &renderer;
    form->show();
    press("PagesRB");
    EXPECT_TRUE(w("SelectionED")->isHidden());
    EXPECT_TRUE(w("FromED")->isVisible() && enabled("FromED"));
    typeInto("FromED", "2");
    child<QLineEdit>(form.get(), "ToED")->clear();
    typeInto("CopiesED", "4");
    test::click(w("bbtnOK"));
    EXPECT_EQ(form->result(), QDialog::Accepted);
    ASSERT_EQ(services->boxes.shown.size(), 1u);
    EXPECT_EQ(services->boxes.shown[0].text, "'' is not a valid integer value.");
    EXPECT_EQ(renderer.FirstPage, 2);
    EXPECT_EQ(renderer.Copies, 1) << "nothing after the failed value is stored";

    press("AllRB");
    EXPECT_FALSE(enabled("FromED"));
    EXPECT_FALSE(w("FromED")->isHidden()) << "disabled, not hidden";
}

} // namespace
} // namespace zamt::test
