#pragma once
// Draws a report's pages through the page stream writer: the page header
// at the top margin and the page footer above the bottom margin of every
// page, the detail band once for every row of its data view in between,
// and a new page when the next detail band does not fit above the footer.
// A report without rows still gets one page with its header and footer.
#include "report/project/RptProjectModel.h"
#include "report/stream/RptTypes.h"

#include <unordered_map>

namespace zamt {

class RptDataViewCursor;
class TRptStreamWriter;

class RptPageProducer {
public:
    // Both must outlive the producer.
    RptPageProducer(const RptReport& report, const RptProjectModel& project);

    // The whole report, row by row through the detail band's data view
    // (opened here, restored at the end). Stops at the page being drawn when
    // the writer is aborted. Raises AppError for a detail band whose data
    // view the project does not have.
    void produce(TRptStreamWriter& writer);

private:
    void beginPage();
    void endPage();
    void drawBand(const RptBand& band, double top);
    const RptFont& streamFont(const RptItemFont& font);

    const RptReport& report_;
    const RptProjectModel& project_;
    TRptStreamWriter* writer_ = nullptr;
    RptDataViewCursor* rows_ = nullptr;
    double top_ = 0;                                              // where the next band goes
    double footerTop_ = 0;                                        // where the page footer begins
    std::unordered_map<const RptItemFont*, RptFont> streamFonts_; // of the report's items
};

} // namespace zamt
