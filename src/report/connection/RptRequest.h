#pragma once
// The exchange between a report's data view and a data connection: one
// request, one answer. Texts are Windows-1251. Connections of this program
// are reached in-process, by a direct call of TRptCustomConnection::answer.
#include "report/common/RptDataType.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zamt {

enum class RptRequestCode : int32_t {
    First = 1,
    Next = 2,
    EndOfData = 3,
    GetCols = 4,
    GetRow = 5,
    SetFilter = 6,
    GetSorts = 7,
    SetSort = 8,
    Open = 9,
    Restore = 10,
};

// One condition of a filter: rows pass when the column's value equals it.
struct RptFilterItem {
    std::string column;
    TRptDataType type = TRptDataType::dtString;
    std::string value;
    bool operator==(const RptFilterItem&) const = default;
};

struct RptRequest {
    RptRequestCode code = RptRequestCode::First;
    std::vector<RptFilterItem> filter; // set filter only
    std::vector<std::string> sort;     // set sort only
    bool operator==(const RptRequest&) const = default;
};

// A written value: the native text, and the display text when it is not
// empty and differs from the native one.
struct RptValue {
    std::string native;
    std::optional<std::string> display;
    bool operator==(const RptValue&) const = default;
};

enum class RptRowMark { EndOfData, RowFollows };

// Set filter, set sort, open, restore.
struct RptNoAnswer {
    bool operator==(const RptNoAnswer&) const = default;
};
// First, next, get row: the values of the included columns in their order.
struct RptRowAnswer {
    RptRowMark mark = RptRowMark::EndOfData;
    std::vector<RptValue> values;
    bool operator==(const RptRowAnswer&) const = default;
};
// End of data.
struct RptEndOfDataAnswer {
    bool endOfData = true;
    bool operator==(const RptEndOfDataAnswer&) const = default;
};
// Get columns: the number of included columns and their tagged texts
// (RptColumnTexts.h).
struct RptColumnsAnswer {
    int32_t count = 0;
    std::vector<std::string> texts;
    bool operator==(const RptColumnsAnswer&) const = default;
};
// Get sorts.
struct RptSortsAnswer {
    std::vector<std::string> sorts;
    bool operator==(const RptSortsAnswer&) const = default;
};

using RptAnswer =
    std::variant<RptNoAnswer, RptRowAnswer, RptEndOfDataAnswer, RptColumnsAnswer, RptSortsAnswer>;

} // namespace zamt
