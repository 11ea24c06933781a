// A report run to the preview with the built-in windows and no printer:
// the preview shows the generated pages until Esc, and the page file goes
// with it.
#include "../system/SystemRunSupport.h"
#include "platform/AppError.h"
#include "report/preview/RptPreviewHook.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/windows/ReportWindows.h"
#include "report/windows/TRptPrinterDevice.h"
#include "support/CupsServer.h"
#include "support/ErrorOf.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"
#include "support/SystemDifferences.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

struct PreviewRun {
    NoCupsServer noPrinters;
    PrivateTempFolder temp;
    ScriptedServices services;
    std::unique_ptr<RptSystemPlatform> previous;
    TRptSystem system;

    PreviewRun() {
        TRptPrinterDevice::reset();
        previous = installRptSystemPlatform(nullptr);
        installReportWindows(rptPreviewHook);
        system.configureForRun({});
        system.OverrideSetup = [](TRptSystem&, TOverrideMode, QObject*&) {};
        system.OverrideStatus = [](TRptSystem&, TOverrideMode, QObject*&) {};
        system.OnPrint = pagesProducer(3);
    }
    ~PreviewRun() {
        installRptSystemPlatform(std::move(previous));
        TRptPrinterDevice::reset();
    }
};

// Runs `inPreview` with the preview window once it is in front.
void whenPreviewed(const std::function<void(TRptPreviewForm*)>& inPreview) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, inPreview] {
        auto* preview = qobject_cast<TRptPreviewForm*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        poll->stop();
        poll->deleteLater();
        inPreview(preview);
    });
    poll->start();
}

TEST(PreviewRun, ShowsThePagesUntilEscAndTheRunRemovesItsPageFile) {
    PreviewRun run;
    std::vector<std::string> steps;
    run.system.OnPreviewSetup = [&](TRptRender&) { steps.push_back("setup"); };
    run.system.OnPreviewShow = [&](TRptRender& r) {
        auto& preview = dynamic_cast<TRptRenderPreview&>(r);
        steps.push_back("show page " + std::to_string(preview.currentPage()) + " of " +
                        std::to_string(preview.pages()));
    };
    QString pageFile;
    whenPreviewed([&](TRptPreviewForm* preview) {
        pageFile = run.system.SystemFiler.FileName;
        EXPECT_TRUE(QFile::exists(pageFile));
        EXPECT_EQ(preview->windowTitle(), "Report Preview");
        EXPECT_EQ(preview->size(), QSize(615, 450));
        EXPECT_EQ(preview->RenderPreview().settings().ShadowDepth(), 5);
        EXPECT_EQ(preview->RenderPreview().settings().MarginPercent, 2.5);
        EXPECT_EQ(child<QLabel>(preview, "PageLabel")->text(), "of 3");
        QWidget* box = child<QLineEdit>(preview, "PageEdit");
        focus(box);
        QTest::keyClick(box, 'e');
        EXPECT_EQ(preview->RenderPreview().currentPage(), 3);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    run.system.Execute();
    EXPECT_FALSE(run.system.Cancelled);
    EXPECT_EQ(steps, (std::vector<std::string>{"setup", "show page 1 of 3"}));
    ASSERT_FALSE(pageFile.isEmpty()) << "no preview came";
    EXPECT_FALSE(QFile::exists(pageFile));
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
    EXPECT_TRUE(run.services.boxes.shown.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PreviewRun, APageFileThatCannotBeOpenedEndsTheRun) {
    PreviewRun run;
    run.system.OnPreviewSetup = [&](TRptRender&) {
        QFile::remove(run.system.SystemFiler.FileName);
    };
    const std::string error = errorOf([&] { run.system.Execute(); });
    const QString pageFiles = QString::fromStdString(instanceFolderIn(run.temp.path()) + "/RPT");
    EXPECT_EQ(error.rfind("Cannot open file \"" + shownPath(pageFiles).toStdString(), 0), 0u)
        << error;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TRptPreviewForm*>(w), nullptr) << "the window is freed";
    EXPECT_TRUE(run.temp.pageFiles().isEmpty());
}

} // namespace
} // namespace zamt::test
