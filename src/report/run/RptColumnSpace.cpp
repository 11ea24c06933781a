#include "report/run/RptColumnSpace.h"

#include "report/common/RptSameText.h"

namespace zamt {

std::optional<RptColumnSpace> rptColumnSpace(const RptReport& report,
                                             const RptProjectModel& project,
                                             std::string_view connection,
                                             std::string_view column) {
    if (!report.detail)
        return std::nullopt;
    std::optional<RptColumnSpace> narrowest;
    for (const RptItem& item : report.detail->items) {
        const auto* data = std::get_if<RptDataText>(&item);
        // Only the detail band's own data view has a current row.
        if (!data || data->dataView != report.detail->dataView)
            continue;
        const RptDataView* view = project.findDataView(data->dataView);
        if (!view || !rptSameText(view->connection, connection) ||
            !rptSameText(data->field, column))
            continue;
        if (!narrowest || data->frame.width < narrowest->width)
            narrowest = RptColumnSpace{data->font, data->frame.width};
    }
    return narrowest;
}

} // namespace zamt
