#pragma once
// How much of a column's value one row of a report holds: a data text of
// the detail band prints the current row's value from its left edge, as
// wide as its frame, in its font. A program that makes the rows of a
// connection itself can break a long value into rows that fit, so that no
// part of it runs past the frame.
#include "report/project/RptProjectModel.h"

#include <optional>
#include <string_view>

namespace zamt {

struct RptColumnSpace {
    RptItemFont font;
    double width = 0; // inches
};

// The narrowest data text of the report's detail band that prints
// `column` of a data view reading `connection` (both named without regard
// to case, as the data view matches them); nullopt when no data text prints
// that column.
std::optional<RptColumnSpace> rptColumnSpace(const RptReport& report,
                                             const RptProjectModel& project,
                                             std::string_view connection,
                                             std::string_view column);

} // namespace zamt
