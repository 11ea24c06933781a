#include "report/windows/ReportWindows.h"

#include "report/common/RptTranslate.h"
#include "report/system/TRptSystem.h"
#include "report/windows/RptHookWindow.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptRenderPrinter.h"
#include "report/windows/TRptSetupForm.h"
#include "report/windows/TRptStatusForm.h"

#include <QCoreApplication>
#include <QPushButton>

namespace zamt {
namespace {

class WindowsPlatform : public RptSystemPlatform {
public:
    explicit WindowsPlatform(TRptSystemEvent previewHook) : previewHook_(std::move(previewHook)) {}
    RptPrinter* printer() override { return &TRptPrinterDevice::instance(); }
    void setupWindow(TRptSystem& s, TOverrideMode m, QObject*& w) override {
        rptSetupHook(s, m, w);
    }
    void statusWindow(TRptSystem& s, TOverrideMode m, QObject*& w) override {
        rptStatusHook(s, m, w);
    }
    void previewWindow(TRptSystem& s, TOverrideMode m, QObject*& w) override {
        if (previewHook_)
            previewHook_(s, m, w);
    }
    void print(TRptSystem& system, QIODevice& stream) override {
        TRptRenderPrinter renderer;
        renderer.setStream(&stream);
        renderer.Copies = system.SystemPrinter.Copies;
        renderer.Collate = system.SystemPrinter.Collate;
        renderer.Duplex = system.SystemPrinter.Duplex;
        renderer.Progress = system.outputProgress();
        if (system.outputKind() == RptOutputKind::NativePrinterFile)
            renderer.OutputFileName = system.OutputFileName;
        renderer.print();
    }

private:
    TRptSystemEvent previewHook_;
};

} // namespace

void installReportWindows(TRptSystemEvent previewHook) {
    installRptSystemPlatform(std::make_unique<WindowsPlatform>(std::move(previewHook)));
}

void rptSetupHook(TRptSystem& system, TOverrideMode mode, QObject*& window) {
    auto* form = qobject_cast<TRptSetupForm*>(window);
    switch (mode) {
    case TOverrideMode::omCreate:
        createHookWindow<TRptSetupForm>(system, system.TitleSetup, window);
        break;
    case TOverrideMode::omShow:
        if (!form)
            return;
        form->PreviewSetup = false;
        if (form->exec() == QDialog::Rejected)
            system.Cancelled = true;
        break;
    case TOverrideMode::omWait:
        break;
    case TOverrideMode::omFree:
        freeHookWindow(window);
        break;
    }
}

void rptStatusHook(TRptSystem& system, TOverrideMode mode, QObject*& window) {
    if (!system.SystemOptions.contains(TSystemOption::soShowStatus))
        return;
    auto* form = qobject_cast<TRptStatusForm*>(window);
    switch (mode) {
    case TOverrideMode::omCreate:
        createHookWindow<TRptStatusForm>(system, system.TitleStatus, window);
        break;
    case TOverrideMode::omShow:
        if (!form)
            return;
        if (TRptStreamWriter* writer = system.writer())
            form->attach(*writer);
        else if (RptProgress* progress = system.outputProgress())
            form->attach(*progress);
        form->CancelButton()->setText(rptTranslate(QStringLiteral("Cancel")));
        form->show();
        break;
    case TOverrideMode::omWait:
        if (!form || !system.SystemOptions.contains(TSystemOption::soWaitForOK))
            return;
        form->CancelButton()->setText(rptTranslate(QStringLiteral("Ok")));
        form->ButtonResult = QDialog::Accepted;
        form->ButtonPressed = false;
        while (!form->ButtonPressed && form->isVisible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        break;
    case TOverrideMode::omFree:
        freeHookWindow(window);
        break;
    }
}

} // namespace zamt
