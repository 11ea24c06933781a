#pragma once
// Puts the report windows and the printer under every report run: the
// printer device, the built-in set-up and status hooks, printing through
// TRptRenderPrinter, and the preview hook handed in by the caller (the
// preview window lives a layer above these windows). The program calls it
// once at start-up:
//   installReportWindows(rptPreviewHook);
#include "report/system/RptSystemPlatform.h"

namespace zamt {

// An empty preview hook shows no preview window.
void installReportWindows(TRptSystemEvent previewHook);

// The built-in window hooks, for callers that run them by hand.
void rptSetupHook(TRptSystem& system, TOverrideMode mode, QObject*& window);
void rptStatusHook(TRptSystem& system, TOverrideMode mode, QObject*& window);

} // namespace zamt
