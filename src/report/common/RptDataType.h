#pragma once
// The data types of report columns and fields, with the codes and names that
// project files and column definitions use.
#include <optional>
#include <string_view>

namespace zamt {

enum class TRptDataType {
    dtString = 0,
    dtInteger = 1,
    dtBoolean = 2,
    dtFloat = 3,
    dtCurrency = 4,
    dtBCD = 5,
    dtDate = 6,
    dtTime = 7,
    dtDateTime = 8,
    dtBlob = 9,
    dtMemo = 10,
    dtGraphic = 11,
    dtInt64 = 12,
};

// "dtString", "dtInteger", ...
std::string_view rptDataTypeName(TRptDataType type);
// The type of that name (compared without regard to case), or nothing.
std::optional<TRptDataType> rptDataTypeFromName(std::string_view name);

} // namespace zamt
