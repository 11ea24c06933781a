#include "../system/SystemRunSupport.h"
#include "platform/AppError.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/windows/ReportWindows.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptStatusForm.h"
#include "support/CupsServer.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TRptStatusForm* shownStatusForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TRptStatusForm*>(w); form && form->isVisible())
            return form;
    return nullptr;
}

// A run with the built-in windows but no printer; the set-up is accepted as
// it stands, and the preview, which would wait for its user, is left out.
struct WindowRun {
    NoCupsServer noPrinters;
    PrivateTempFolder temp;
    ScriptedServices services;
    std::unique_ptr<RptSystemPlatform> previous;
    TRptSystem system;

    WindowRun() {
        TRptPrinterDevice::reset();
        previous = installRptSystemPlatform(nullptr);
        installReportWindows({});
        system.configureForRun({});
        system.OverrideSetup = [](TRptSystem&, TOverrideMode, QObject*&) {};
        system.OverridePreview = [](TRptSystem&, TOverrideMode, QObject*&) {};
    }
    ~WindowRun() {
        installRptSystemPlatform(std::move(previous));
        TRptPrinterDevice::reset();
    }
};

TEST(StatusForm, LayoutAsDrawn) {
    TRptStatusForm form;
    EXPECT_EQ(form.size(), QSize(361, 113));
    EXPECT_EQ(form.StatusLabel()->geometry(), QRect(8, 16, 345, 49));
    EXPECT_TRUE(form.StatusLabel()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(form.StatusLabel()->text().isEmpty());
    EXPECT_EQ(form.CancelButton()->geometry(), QRect(144, 78, 75, 25));
    EXPECT_EQ(form.CancelButton()->text(), "Cancel");
    EXPECT_TRUE(form.CancelButton()->isDefault());
    EXPECT_EQ(form.font().pixelSize(), 13);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
}

TEST(StatusForm, ShowsEveryPageWhileGenerating) {
    WindowRun run;
    std::vector<std::string> seen;
    run.system.OnPrint = [&](TRptStreamWriter& w) {
        for (int n = 1; n <= 3; ++n) {
            w.beginPage();
            TRptStatusForm* form = shownStatusForm();
            ASSERT_NE(form, nullptr);
            seen.push_back(form->windowTitle().toStdString() + ": " +
                           form->StatusLabel()->text().toStdString());
            w.endPage();
        }
    };
    run.system.Execute();
    EXPECT_FALSE(run.system.Cancelled);
    EXPECT_EQ(seen, (std::vector<std::string>{"Report Status: Generating page 1",
                                              "Report Status: Generating page 2",
                                              "Report Status: Generating page 3"}));
    EXPECT_EQ(shownStatusForm(), nullptr) << "the window is freed with the run";
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

TEST(StatusForm, CancelAndEscStopTheGeneration) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        WindowRun run;
        bool previewed = false;
        run.system.OverridePreview = [&](TRptSystem&, TOverrideMode, QObject*&) {
            previewed = true;
        };
        int produced = 0;
        run.system.OnPrint = [&](TRptStreamWriter& w) {
            for (int n = 1; n <= 10 && !w.aborted(); ++n) {
                w.beginPage();
                if (n == 2)
                    QTest::keyClick(shownStatusForm(), key);
                w.endPage();
                produced = n;
            }
        };
        run.system.Execute();
        EXPECT_TRUE(run.system.Cancelled) << key;
        EXPECT_EQ(produced, 2) << "the producer stops once the run is aborted";
        EXPECT_FALSE(previewed);
        EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    }
}

TEST(StatusForm, StatusIsShownOnlyWithShowStatus) {
    WindowRun run;
    run.system.SystemOptions -= TSystemOption::soShowStatus;
    bool shown = true;
    run.system.OnPrint = [&](TRptStreamWriter& w) {
        w.beginPage();
        shown = shownStatusForm() != nullptr;
        w.endPage();
    };
    run.system.Execute();
    EXPECT_FALSE(shown);
}

TEST(StatusForm, WaitForOkUntilTheButtonIsPressed) {
    WindowRun run;
    run.system.SystemOptions += TSystemOption::soWaitForOK;
    QObject* window = nullptr;
    rptStatusHook(run.system, TOverrideMode::omCreate, window);
    rptStatusHook(run.system, TOverrideMode::omShow, window);
    auto* form = qobject_cast<TRptStatusForm*>(window);
    ASSERT_NE(form, nullptr);
    QString caption;
    QTimer::singleShot(0, form, [&] {
        caption = form->CancelButton()->text();
        QTest::mouseClick(form->CancelButton(), Qt::LeftButton);
    });
    rptStatusHook(run.system, TOverrideMode::omWait, window);
    EXPECT_EQ(caption, "Ok");
    EXPECT_TRUE(form->ButtonPressed);
    rptStatusHook(run.system, TOverrideMode::omFree, window);
    EXPECT_EQ(window, nullptr);
}

} // namespace
} // namespace zamt::test
