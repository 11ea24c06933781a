#pragma once
// A column that a data connection declares for the rows it delivers.
#include "report/common/RptDataType.h"

#include <cstdint>
#include <string>

namespace zamt {

struct RptColumnDef {
    std::string name; // as declared
    // The name the data view sees, after alias lookup; empty: the column is
    // not included (it keeps its place under the column cursor, but its
    // values are not sent).
    std::string sentName;
    TRptDataType type = TRptDataType::dtString;
    int32_t position = -1;   // among the included columns, from 0; -1 when not included
    std::string filterValue; // empty: no filter on this column
    int32_t width = 0;
    std::string fullName;
    std::string description;

    bool included() const { return !sentName.empty(); }
};

} // namespace zamt
