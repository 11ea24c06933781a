#pragma once
// Puts the report windows and the printer under every report run: the
// printer device, the built-in set-up, status and preview hooks, and
// printing through TRptRenderPrinter. The program calls it once at start-up.
#include "report/system/RptSystemPlatform.h"

namespace zamt {

void installReportWindows();

// The built-in window hooks, for callers that run them by hand.
void rptSetupHook(TRptSystem& system, TOverrideMode mode, QObject*& window);
void rptStatusHook(TRptSystem& system, TOverrideMode mode, QObject*& window);
// The preview window's hook (report/preview/RptPreviewHook.cpp).
void rptPreviewHook(TRptSystem& system, TOverrideMode mode, QObject*& window);

} // namespace zamt
