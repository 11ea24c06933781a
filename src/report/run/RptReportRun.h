#pragma once
// The execution of one report: a report system made for the run and
// configured with the report's title, paper, orientation and margins, the
// page producer as its print event, executed once and dropped.
#include "report/project/RptProjectModel.h"

namespace zamt {

// Errors propagate (AppError); a run that a data connection ended after
// showing its own box ends quietly.
void rptRunReport(const RptReport& report, const RptProjectModel& project);

} // namespace zamt
