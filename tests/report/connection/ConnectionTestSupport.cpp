#include "ConnectionTestSupport.h"

#include <algorithm>

namespace zamt {

void PrintTo(const RptRequest& request, std::ostream* out) {
    *out << "request " << static_cast<int>(request.code);
    for (const auto& item : request.filter)
        *out << " filter " << item.column << "=" << item.value;
    for (const auto& sort : request.sort)
        *out << " sort " << sort;
}

void PrintTo(const RptValue& value, std::ostream* out) {
    *out << '"' << value.native << '"';
    if (value.display)
        *out << "/shown \"" << *value.display << '"';
}

void PrintTo(const RptAnswer& answer, std::ostream* out) {
    if (std::holds_alternative<RptNoAnswer>(answer)) {
        *out << "no answer";
    } else if (const auto* row = std::get_if<RptRowAnswer>(&answer)) {
        *out << (row->mark == RptRowMark::RowFollows ? "row follows" : "end of data");
        for (const auto& value : row->values) {
            *out << ' ';
            PrintTo(value, out);
        }
    } else if (const auto* eof = std::get_if<RptEndOfDataAnswer>(&answer)) {
        *out << "end of data: " << (eof->endOfData ? "yes" : "no");
    } else if (const auto* columns = std::get_if<RptColumnsAnswer>(&answer)) {
        *out << columns->count << " columns:";
        for (const auto& text : columns->texts)
            *out << " [" << text << ']';
    } else if (const auto* sorts = std::get_if<RptSortsAnswer>(&answer)) {
        *out << sorts->sorts.size() << " sorts";
    }
}

namespace test {

RecordingConnection::RecordingConnection(std::string name) : connection(std::move(name)) {
    connection.OnOpen = [this](TRptCustomConnection& c) {
        calls.push_back("open");
        c.RowCount = static_cast<int32_t>(rows.size());
    };
    connection.OnGetCols = [this](TRptCustomConnection& c) {
        calls.push_back("getcols");
        for (const auto& name : columnNames)
            c.DeclareColumn(name, TRptDataType::dtString, 0, "", "");
    };
    connection.OnGetRow = [this](TRptCustomConnection& c) {
        calls.push_back("getrow " + std::to_string(c.RowIndex));
        const auto& row = rows.at(static_cast<size_t>(c.RowIndex));
        for (size_t i = 0; i < row.size(); ++i) {
            const bool shown = std::find(displayed.begin(), displayed.end(), i) != displayed.end();
            c.WriteStringValue(shown ? "shown:" + row[i] : "", row[i]);
        }
    };
}

void RecordingConnection::declareStrings(std::vector<std::string> names) {
    columnNames = std::move(names);
}

RptRowAnswer rowOf(std::vector<std::string> natives) {
    RptRowAnswer row{RptRowMark::RowFollows, {}};
    for (auto& native : natives)
        row.values.push_back({std::move(native), std::nullopt});
    return row;
}

RptRowAnswer endOfData() {
    return {};
}

RptRequest request(RptRequestCode code) {
    return {code, {}, {}};
}

} // namespace test
} // namespace zamt
