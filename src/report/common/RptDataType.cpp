#include "report/common/RptDataType.h"

#include "report/common/RptSameText.h"

#include <array>

namespace zamt {
namespace {

constexpr std::array<std::string_view, 13> kNames = {
    "dtString", "dtInteger", "dtBoolean", "dtFloat", "dtCurrency", "dtBCD",    "dtDate",
    "dtTime",   "dtDateTime", "dtBlob",   "dtMemo",  "dtGraphic",  "dtInt64"};

} // namespace

std::string_view rptDataTypeName(TRptDataType type) {
    const auto index = static_cast<size_t>(type);
    return index < kNames.size() ? kNames[index] : std::string_view{};
}

std::optional<TRptDataType> rptDataTypeFromName(std::string_view name) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (rptSameText(kNames[i], name))
            return static_cast<TRptDataType>(i);
    return std::nullopt;
}

} // namespace zamt
