#include "report/preview/RptPreviewHook.h"

#include "report/common/RptTranslate.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/system/TRptSystem.h"
#include "report/windows/RptHookWindow.h"

#include <QCoreApplication>

namespace zamt {
namespace {

bool modal(const TRptSystem& system) {
    return system.SystemOptions.contains(TSystemOption::soPreviewModal);
}

// The page stream the window opened from the filer's file is closed once
// the display has ended.
void closeFilersFile(const TRptSystem& system, TRptPreviewForm& form) {
    const TStreamMode mode = system.SystemFiler.StreamMode;
    if (mode == TStreamMode::smFile || mode == TStreamMode::smTempFile)
        form.closeInputFile();
}

Qt::WindowStates windowState(TWindowState state) {
    switch (state) {
    case TWindowState::wsMinimized:
        return Qt::WindowMinimized;
    case TWindowState::wsMaximized:
        return Qt::WindowMaximized;
    case TWindowState::wsNormal:
        break;
    }
    return Qt::WindowNoState;
}

} // namespace

void rptPreviewHook(TRptSystem& system, TOverrideMode mode, QObject*& window) {
    auto* form = qobject_cast<TRptPreviewForm*>(window);
    switch (mode) {
    case TOverrideMode::omCreate:
        form = createHookWindow<TRptPreviewForm>(system, system.TitlePreview, window);
        form->resize(system.SystemPreview.FormWidth, system.SystemPreview.FormHeight);
        form->setWindowState(windowState(system.SystemPreview.FormState));
        break;
    case TOverrideMode::omShow:
        if (!form)
            return;
        form->RenderPreview().setSettings(system.SystemPreview);
        if (system.OnPreviewSetup)
            system.OnPreviewSetup(form->RenderPreview());
        form->setInputFileName(system.SystemFiler.FileName);
        form->setInputStream(system.SystemFiler.Stream);
        form->startPreview();
        if (modal(system)) {
            form->exec();
            closeFilersFile(system, *form);
        } else {
            form->show();
        }
        break;
    case TOverrideMode::omWait:
        if (!form || modal(system))
            return;
        while (form->isVisible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        closeFilersFile(system, *form);
        break;
    case TOverrideMode::omFree:
        freeHookWindow(window);
        break;
    }
}

} // namespace zamt
