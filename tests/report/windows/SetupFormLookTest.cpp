// The set-up window as it is seen at 96 dots per inch and at twice that:
// every format caption reads whole, in the closed box and in its list, and
// no control runs into its neighbour, on either of the window's pages.
#include "report/pdf/TRptRenderPDF.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptSetupForm.h"
#include "support/CaptionFit.h"
#include "support/ControlOverlap.h"
#include "support/CupsServer.h"
#include "support/GuiHelpers.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// Set in the run of this program that makes the checks: the logical dots
// per inch and the device pixels per pixel it expects to see.
constexpr char kLookVariable[] = "ZAMT_SETUP_LOOK";

struct Density {
    const char* name;
    const char* variable; // what sets it on the offscreen platform
    const char* value;
    const char* expected; // "dpi ratio"
};

void expectControlsApart(TRptSetupForm& form, const char* page) {
    const QStringList overlaps = controlsThatOverlap(&form);
    EXPECT_TRUE(overlaps.isEmpty()) << page << ":\n" << overlaps.join('\n').toStdString();
}

void checkTheWindowAsSeen() {
    NoCupsServer none;
    TRptPrinterDevice::reset();
    RptOutputFormats& formats = RptOutputFormats::instance();
    TRptRenderFile& pdf = formats.add(std::make_unique<TRptRenderPDF>());
    {
        TRptSetupForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        const QStringList expected = QString::fromLatin1(qgetenv(kLookVariable)).split(' ');
        ASSERT_EQ(expected.size(), 2);
        EXPECT_EQ(form.logicalDpiY(), expected[0].toInt()) << "the density was not applied";
        EXPECT_EQ(form.devicePixelRatioF(), expected[1].toDouble());

        auto* box = child<QComboBox>(&form, "cboxFormat");
        ASSERT_EQ(box->count(), 3);
        EXPECT_EQ(box->itemText(0), "Report Snapshot File (RPS)");
        EXPECT_EQ(box->itemText(1), "Native Printer Output (PRN)");
        EXPECT_EQ(box->itemText(2), "PDF Document (PDF)");
        const QStringList cut = comboItemsThatDoNotShow(box);
        EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
        const QStringList captions =
            captionsThatDoNotFit(&form, sourceDir() + "/src/report/windows/TRptSetupForm.ui");
        EXPECT_TRUE(captions.isEmpty()) << captions.join('\n').toStdString();
        expectControlsApart(form, "destination page");
    }
    for (const char* range : {"AllRB", "SelectionRB", "PagesRB"}) {
        TRptSetupForm form;
        form.PreviewSetup = true;
        form.show();
        child<QRadioButton>(&form, range)->setChecked(true);
        expectControlsApart(form, range);
    }
    formats.remove(&pdf);
    TRptPrinterDevice::reset();
}

// Each density is set before the application starts, so the test runs this
// program again with it and makes its checks there.
TEST(SetupFormLook, CaptionsWholeAndControlsApartAtEachDensity) {
    if (qEnvironmentVariableIsSet(kLookVariable)) {
        checkTheWindowAsSeen();
        return;
    }
    const Density densities[] = {
        {"96 dpi", "QT_FONT_DPI", "96", "96 1"},
        {"192 dpi", "QT_FONT_DPI", "192", "96 2"}, // Qt scales the pixels
        {"scale factor 2", "QT_SCALE_FACTOR", "2", "96 2"},
    };
    for (const Density& d : densities) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(d.variable), QString::fromLatin1(d.value));
        env.insert(QString::fromLatin1(kLookVariable), QString::fromLatin1(d.expected));
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_filter=SetupFormLook.*")});
        ASSERT_TRUE(run.waitForFinished(60000)) << d.name;
        const QByteArray output = run.readAll();
        EXPECT_EQ(run.exitCode(), 0) << d.name << ":\n" << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << d.name;
    }
}

} // namespace
} // namespace zamt::test
