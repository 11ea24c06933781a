#pragma once
// The report system's built-in preview hook: the preview window for one
// report run, handed to installReportWindows() at start-up.
#include "report/system/RptSystemPlatform.h"

namespace zamt {

void rptPreviewHook(TRptSystem& system, TOverrideMode mode, QObject*& window);

} // namespace zamt
