#include "app/Startup.h"

#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "look/WindowLook.h"
#include "platform/DecimalSeparator.h"
#include "platform/FileFailure.h"
#include "platform/InstanceTempFolder.h"
#include "platform/MemoryAllocator.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTranslations.h"
#include "report/pdf/TRptRenderPDF.h"
#include "report/preview/RptPreviewHook.h"
#include "report/windows/ReportWindows.h"

#include <QApplication>

namespace zamt {

void startProgram() {
    prepareServices();
    createForms();
    Form1->show();
}

void prepareServices() {
    QApplication::setApplicationName(QStringLiteral("zamt05"));
    // Closing the main window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    keepFreedMemoryForReuse();
    keepSystemReasonsInEnglish();
    // Page files of instances that were killed go; this instance's own
    // folder goes when the program ends (runProgram).
    removeAbandonedTempFolders();
    installWindowLook();
    installQtTranslations();
    initDecimalSeparator();
    installMessageBoxes(std::make_unique<QtMessageBoxes>());
    installDialogs(std::make_unique<QtDialogs>());
    installReportWindows(rptPreviewHook);
    RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
}

} // namespace zamt
