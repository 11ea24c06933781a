#pragma once
// Column definitions as get columns sends them: per column the tagged texts
// "N"+name, "T"+type name (only when not dtString), "W"+width (only when
// above 0), "L"+full name and "D"+description (only when not empty), and an
// empty text to close.
#include "report/connection/RptColumnDef.h"

#include <optional>
#include <string>
#include <vector>

namespace zamt {

// The texts of one included column, its sent name as "N".
void appendColumnTexts(const RptColumnDef& column, std::vector<std::string>& texts);

// A column as a data view receives it.
struct RptReceivedColumn {
    std::string name;
    // Nothing when the type name is not one of TRptDataType's.
    std::optional<TRptDataType> type = TRptDataType::dtString;
    int32_t width = 0;
    std::string fullName;
    std::string description;
    bool operator==(const RptReceivedColumn&) const = default;
};

// Reads `count` columns from the texts; a list that ends early gives the
// columns it holds. Unknown tags are skipped.
std::vector<RptReceivedColumn> parseColumnTexts(int32_t count,
                                                const std::vector<std::string>& texts);

} // namespace zamt
