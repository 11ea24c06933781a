#pragma once
// The rules a project keeps as a whole, beyond each value on its own: it has
// a report; names are unique; what a band or data text reads exists; the
// margins and bands fit on the page (a detail band that never fits would
// make pages without end).
#include "report/project/RptProjectModel.h"

namespace zamt {

// Raises "Invalid report project: ..." for the first rule the project breaks.
void rptCheckProject(const RptProjectModel& project);

} // namespace zamt
