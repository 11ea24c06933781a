#pragma once
// The execution of one report: a report system made for the run and
// configured with the report's title, paper, orientation and margins, the
// page producer as its print event, executed once and dropped.
#include "report/project/RptProjectModel.h"

#include <functional>

namespace zamt {

class TRptSystem;

// Errors propagate (AppError); a run that a data connection ended after
// showing its own box ends quietly. `prepare`, when given, sees the
// configured system before it executes (a run without windows puts its own
// set-up and status hooks in).
void rptRunReport(const RptReport& report, const RptProjectModel& project,
                  const std::function<void(TRptSystem&)>& prepare = {});

} // namespace zamt
