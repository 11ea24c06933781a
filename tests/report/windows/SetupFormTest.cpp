#include "../system/SystemRunSupport.h"
#include "report/windows/ReportWindows.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptSetupForm.h"
#include "support/CupsServer.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TEST(SetupForm, LayoutAsDrawn) {
    NoCupsServer none;
    TRptPrinterDevice::reset();
    TRptSetupForm form;
    EXPECT_EQ(form.size(), QSize(295, 242));
    struct Place {
        const char* name;
        QRect rect;
    };
    const Place places[] = {
        {"GroupBox1", {8, 3, 281, 36}},      {"PrinterLabel", {10, 15, 250, 13}},
        {"PageControl1", {4, 40, 201, 121}}, {"PrinterRB", {8, 16, 153, 17}},
        {"PreviewRB", {8, 36, 153, 17}},     {"FileRB", {8, 56, 38, 17}},
        {"editFileName", {46, 54, 113, 22}}, {"FileNameSB", {160, 54, 20, 20}},
        {"cboxFormat", {46, 79, 142, 22}},   {"FromED", {40, 80, 41, 21}},
        {"ToED", {104, 80, 57, 21}},         {"SelectionED", {56, 80, 105, 21}},
        {"GroupBox2", {8, 167, 193, 65}},    {"CopiesED", {18, 35, 49, 22}},
        {"CollateCK", {115, 17, 51, 17}},    {"DuplexCK", {115, 40, 52, 17}},
        {"bbtnOK", {209, 52, 75, 25}},       {"CancelBB", {209, 84, 75, 25}},
        {"SetupBB", {209, 116, 75, 25}},
    };
    for (const Place& p : places)
        EXPECT_EQ(child(&form, p.name)->geometry(), p.rect) << p.name;
    EXPECT_EQ(child<QPushButton>(&form, "bbtnOK")->text(), "   OK   ");
    EXPECT_TRUE(child<QPushButton>(&form, "bbtnOK")->isDefault());
    EXPECT_EQ(form.font().family(), "Arial");
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(child(&form, "SetupBB")->font().family(), "System");
    EXPECT_EQ(child(&form, "SetupBB")->font().pixelSize(), 13);
    EXPECT_EQ(child(&form, "RangeGB")->font().family(), "MS Sans Serif");
    EXPECT_TRUE(child(&form, "FromED")->isHidden());
    EXPECT_FALSE(child(&form, "SelectionED")->isEnabled());
    EXPECT_FALSE(child(&form, "editFileName")->isEnabled());
}

TEST(SetupForm, WithoutPrinterOnlyThePreviewIsOffered) {
    NoCupsServer none;
    TRptPrinterDevice::reset();
    ScriptedServices services;
    TRptSystem system;
    system.configureForRun({});
    system.DefaultDest = TReportDest::rdFile; // not possible without a printer
    TRptSetupForm form;
    form.ReportSystem = &system;
    form.show();
    EXPECT_EQ(child<QLabel>(&form, "PrinterLabel")->text(), "No printers installed!");
    EXPECT_FALSE(child(&form, "PrinterRB")->isEnabled());
    EXPECT_FALSE(child(&form, "FileRB")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(&form, "PreviewRB")->isChecked());
    for (const char* name : {"CopiesED", "CopiesLabel", "CollateCK", "DuplexCK", "SetupBB"})
        EXPECT_FALSE(child(&form, name)->isEnabled()) << name;
    EXPECT_EQ(child<QLineEdit>(&form, "CopiesED")->text(), "1");
    EXPECT_TRUE(child(&form, "bbtnOK")->isEnabled());
    auto* formats = child<QComboBox>(&form, "cboxFormat");
    ASSERT_EQ(formats->count(), 2);
    EXPECT_EQ(formats->itemText(0), "Report Snapshot File (RPS)");
    EXPECT_EQ(formats->itemText(1), "Native Printer Output (PRN)");
    EXPECT_EQ(formats->currentIndex(), 0);
    EXPECT_EQ(form.saveFilter(),
              "Report Snapshot File (RPS)|*.RPS|Native Printer Output (PRN)|*.PRN");
    test::click(child(&form, "bbtnOK"));
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(system.ReportDest, TReportDest::rdPreview);
    TRptPrinterDevice::reset();
}

TEST(SetupForm, BuiltInHookCancelledByEscEndsTheRun) {
    NoCupsServer none;
    TRptPrinterDevice::reset();
    PrivateTempFolder temp;
    ScriptedServices services;
    auto previous = installRptSystemPlatform(nullptr);
    installReportWindows({});
    TRptSystem system;
    system.configureForRun({});
    bool produced = false;
    system.OnPrint = [&](TRptStreamWriter&) { produced = true; };
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    system.Execute();
    installRptSystemPlatform(std::move(previous));
    TRptPrinterDevice::reset();
    EXPECT_EQ(caption, "Output Options");
    EXPECT_TRUE(system.Cancelled);
    EXPECT_FALSE(produced);
    EXPECT_TRUE(temp.pageFiles().isEmpty());
}

} // namespace
} // namespace zamt::test
