#include "report/run/RptReportRun.h"

#include "report/connection/RptRunAborted.h"
#include "report/project/RptPaper.h"
#include "report/run/RptPageProducer.h"
#include "report/system/TRptSystem.h"

namespace zamt {

void rptRunReport(const RptReport& report, const RptProjectModel& project,
                  const std::function<void(TRptSystem&)>& prepare) {
    TRptSystem system;
    TRptSystem::RunValues values;
    values.title = report.title;
    values.paper = {rptPageWidth(report), rptPageHeight(report)};
    values.orientation = report.orientation == RptOrientation::Landscape ? TOrientation::poLandscape
                                                                         : TOrientation::poPortrait;
    values.marginLeft = report.marginLeft;
    values.marginRight = report.marginRight;
    values.marginTop = report.marginTop;
    values.marginBottom = report.marginBottom;
    values.alwaysGenerate = report.alwaysGenerate;
    system.configureForRun(values);
    RptPageProducer producer(report, project);
    system.OnPrint = [&producer](TRptStreamWriter& writer) { producer.produce(writer); };
    if (prepare)
        prepare(system);
    try {
        system.Execute();
    } catch (const RptRunAborted&) {
        // The connection has told the user why.
    }
}

} // namespace zamt
