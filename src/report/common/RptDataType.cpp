#include "report/common/RptDataType.h"

#include <array>
#include <cctype>

namespace zamt {
namespace {

constexpr std::array<std::string_view, 13> kNames = {
    "dtString", "dtInteger", "dtBoolean", "dtFloat", "dtCurrency", "dtBCD",    "dtDate",
    "dtTime",   "dtDateTime", "dtBlob",   "dtMemo",  "dtGraphic",  "dtInt64"};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view rptDataTypeName(TRptDataType type) {
    const auto index = static_cast<size_t>(type);
    return index < kNames.size() ? kNames[index] : std::string_view{};
}

std::optional<TRptDataType> rptDataTypeFromName(std::string_view name) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (equalIgnoringCase(kNames[i], name))
            return static_cast<TRptDataType>(i);
    return std::nullopt;
}

} // namespace zamt
