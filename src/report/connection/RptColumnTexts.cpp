#include "report/connection/RptColumnTexts.h"

#include <charconv>

namespace zamt {

void appendColumnTexts(const RptColumnDef& column, std::vector<std::string>& texts) {
    texts.push_back("N" + column.sentName);
    if (column.type != TRptDataType::dtString)
        texts.push_back("T" + std::string(rptDataTypeName(column.type)));
    if (column.width > 0)
        texts.push_back("W" + std::to_string(column.width));
    if (!column.fullName.empty())
        texts.push_back("L" + column.fullName);
    if (!column.description.empty())
        texts.push_back("D" + column.description);
    texts.emplace_back();
}

namespace {

int32_t parseWidth(std::string_view digits) {
    int32_t width = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    return error == std::errc() && end == digits.data() + digits.size() ? width : 0;
}

} // namespace

std::vector<RptReceivedColumn> parseColumnTexts(int32_t count,
                                                const std::vector<std::string>& texts) {
    std::vector<RptReceivedColumn> columns;
    size_t next = 0;
    while (static_cast<int32_t>(columns.size()) < count && next < texts.size()) {
        RptReceivedColumn column;
        for (; next < texts.size() && !texts[next].empty(); ++next) {
            const std::string_view text = texts[next];
            const std::string_view value = text.substr(1);
            switch (text[0]) {
            case 'N':
                column.name = value;
                break;
            case 'T':
                column.type = rptDataTypeFromName(value);
                break;
            case 'W':
                column.width = parseWidth(value);
                break;
            case 'L':
                column.fullName = value;
                break;
            case 'D':
                column.description = value;
                break;
            default:
                break;
            }
        }
        ++next; // the closing empty text
        columns.push_back(std::move(column));
    }
    return columns;
}

} // namespace zamt
