#pragma once
// A field of a data view: its name and data type, as the report project
// defines it and the data view binds a connection's columns to it.
#include "report/common/RptDataType.h"

#include <string>

namespace zamt {

struct RptField {
    std::string name;
    TRptDataType type = TRptDataType::dtString;
    bool operator==(const RptField&) const = default;
};

} // namespace zamt
