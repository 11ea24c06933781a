// Columns of a data connection: local filter, aliases, the tagged texts of
// get columns, and the errors of WriteStringValue.
#include "ConnectionTestSupport.h"
#include "platform/AppError.h"
#include "report/connection/RptColumnTexts.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using test::endOfData;
using test::request;
using test::rowOf;

RptRequest filterOf(std::vector<RptFilterItem> items) {
    return {RptRequestCode::SetFilter, std::move(items), {}};
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        return error.message();
    }
    return "no error";
}

// Columns Name, Kind (strings) and the Cyrillic "Имя" (a string as well).
struct Filtered : test::RecordingConnection {
    Filtered() {
        declareStrings({"Name", "Kind", "\xC8\xEC\xFF"});
        rows = {{"a", "x", "1"}, {"b", "y", "2"}, {"a", "y", "3"}, {"c", "x", "4"}};
        connection.answer(request(RptRequestCode::Open));
        connection.answer(request(RptRequestCode::GetCols));
    }
    std::vector<std::string> filterValues() const {
        std::vector<std::string> values;
        for (const auto& column : connection.columns())
            values.push_back(column.filterValue);
        return values;
    }
};

TEST(ConnectionFilter, SetFilterStoresValuesByNameWithoutRegardToCaseAndByType) {
    const struct {
        const char* what;
        std::vector<RptFilterItem> items;
        std::vector<std::string> values;
    } cases[] = {
        {"exact name", {{"Name", TRptDataType::dtString, "a"}}, {"a", "", ""}},
        {"other case", {{"kIND", TRptDataType::dtString, "y"}}, {"", "y", ""}},
        {"Cyrillic other case", {{"\xE8\xCC\xDF", TRptDataType::dtString, "3"}}, {"", "", "3"}},
        {"other type", {{"Name", TRptDataType::dtInteger, "a"}}, {"", "", ""}},
        {"no such column", {{"Nam", TRptDataType::dtString, "a"}}, {"", "", ""}},
        {"two items",
         {{"Name", TRptDataType::dtString, "a"}, {"Kind", TRptDataType::dtString, "x"}},
         {"a", "x", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Filtered rows;
        rows.connection.answer(filterOf({{"Kind", TRptDataType::dtString, "old"}}));
        rows.calls.clear();
        EXPECT_EQ(rows.connection.answer(filterOf(c.items)), RptAnswer(RptNoAnswer{}));
        EXPECT_EQ(rows.filterValues(), c.values) << "the old value is cleared first";
        EXPECT_TRUE(rows.calls.empty());
    }
}

TEST(ConnectionFilter, FirstAndNextSkipRowsThatFailTheFilter) {
    const struct {
        const char* what;
        std::vector<RptFilterItem> items;
        std::vector<std::string> delivered; // values of column 3 of the rows answered
        std::vector<std::string> calls;
    } cases[] = {
        {"first row passes",
         {{"Name", TRptDataType::dtString, "a"}},
         {"1", "3"},
         {"getrow 0", "getrow 1", "getrow 2", "getrow 3"}},
        {"first row fails: first goes on as next",
         {{"Name", TRptDataType::dtString, "b"}},
         {"2"},
         {"getrow 0", "getrow 1", "getrow 2", "getrow 3"}},
        {"two columns",
         {{"Name", TRptDataType::dtString, "a"}, {"Kind", TRptDataType::dtString, "y"}},
         {"3"},
         {"getrow 0", "getrow 1", "getrow 2", "getrow 3"}},
        {"case counts in values",
         {{"Name", TRptDataType::dtString, "A"}},
         {},
         {"getrow 0", "getrow 1", "getrow 2", "getrow 3"}},
        {"no row passes",
         {{"Kind", TRptDataType::dtString, "z"}},
         {},
         {"getrow 0", "getrow 1", "getrow 2", "getrow 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Filtered rows;
        rows.connection.answer(filterOf(c.items));
        rows.calls.clear();
        std::vector<std::string> delivered;
        RptAnswer answer = rows.connection.answer(request(RptRequestCode::First));
        for (int guard = 0; guard < 10; ++guard) {
            const auto& row = std::get<RptRowAnswer>(answer);
            if (row.mark == RptRowMark::EndOfData)
                break;
            ASSERT_EQ(row.values.size(), 3u);
            delivered.push_back(row.values[2].native);
            answer = rows.connection.answer(request(RptRequestCode::Next));
        }
        EXPECT_EQ(delivered, c.delivered);
        EXPECT_EQ(rows.calls, c.calls);
    }
}

TEST(ConnectionFilter, AFailingRowSendsNoFurtherValuesAndWithoutLocalFilterNothingIsKept) {
    Filtered rows;
    rows.connection.answer(filterOf({{"Kind", TRptDataType::dtString, "y"}}));
    rows.connection.RowIndex = 0; // "a", "x": fails at the second column
    EXPECT_EQ(rows.connection.answer(request(RptRequestCode::GetRow)), RptAnswer(rowOf({"a"})));

    Filtered unfiltered;
    unfiltered.connection.LocalFilter = false;
    unfiltered.connection.answer(filterOf({{"Kind", TRptDataType::dtString, "y"}}));
    EXPECT_EQ(unfiltered.filterValues(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(unfiltered.connection.answer(request(RptRequestCode::First)),
              RptAnswer(rowOf({"a", "x", "1"})));
}

TEST(ConnectionAliases, AnAliasRenamesAColumnAndAnEmptyOneLeavesItOut) {
    const struct {
        const char* what;
        std::vector<std::string> aliases;
        RptColumnsAnswer columns;
        RptRowAnswer row;
        std::vector<int32_t> positions;
    } cases[] = {
        {"none", {}, {3, {"NA", "", "NB", "", "NC", ""}}, rowOf({"a", "b", "c"}), {0, 1, 2}},
        {"renamed, trimmed, other case",
         {"  b =  Second ", "c=Third"},
         {3, {"NA", "", "NSecond", "", "NThird", ""}},
         rowOf({"a", "b", "c"}),
         {0, 1, 2}},
        {"first matching entry wins",
         {"A=One", "a=Two"},
         {3, {"NOne", "", "NB", "", "NC", ""}},
         rowOf({"a", "b", "c"}),
         {0, 1, 2}},
        {"entries without an equals sign are not aliases",
         {"A", "B"},
         {3, {"NA", "", "NB", "", "NC", ""}},
         rowOf({"a", "b", "c"}),
         {0, 1, 2}},
        {"empty alias: left out, keeps its cursor place",
         {"B=  "},
         {2, {"NA", "", "NC", ""}},
         rowOf({"a", "c"}),
         {0, -1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::RecordingConnection rows;
        rows.declareStrings({"A", "B", "C"});
        rows.rows = {{"a", "b", "c"}};
        rows.connection.FieldAliasList = c.aliases;
        rows.connection.answer(request(RptRequestCode::Open));
        EXPECT_EQ(rows.connection.answer(request(RptRequestCode::GetCols)), RptAnswer(c.columns));
        EXPECT_EQ(rows.connection.answer(request(RptRequestCode::First)), RptAnswer(c.row));
        EXPECT_EQ(rows.connection.columnCursor(), 3);
        std::vector<int32_t> positions;
        for (const auto& column : rows.connection.columns())
            positions.push_back(column.position);
        EXPECT_EQ(positions, c.positions);
    }
}

TEST(ConnectionColumnTexts, TagsOnlyWhatAColumnHas) {
    const struct {
        RptColumnDef column;
        std::vector<std::string> texts;
    } cases[] = {
        {{"StrField", "StrField", TRptDataType::dtString, 0, "", 120, "StrField", ""},
         {"NStrField", "W120", "LStrField", ""}},
        {{"n", "Count", TRptDataType::dtInteger, 0, "", 0, "", "how many"},
         {"NCount", "TdtInteger", "Dhow many", ""}},
        {{"d", "When", TRptDataType::dtDateTime, 0, "", -5, "Full", "Desc"},
         {"NWhen", "TdtDateTime", "LFull", "DDesc", ""}},
        {{"i", "Big", TRptDataType::dtInt64, 0, "", 1, "", ""}, {"NBig", "TdtInt64", "W1", ""}},
    };
    std::vector<std::string> all;
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        appendColumnTexts(c.column, texts);
        EXPECT_EQ(texts, c.texts) << c.column.sentName;
        all.insert(all.end(), texts.begin(), texts.end());
    }
    // What the data view reads back.
    const std::vector<RptReceivedColumn> received{
        {"StrField", TRptDataType::dtString, 120, "StrField", ""},
        {"Count", TRptDataType::dtInteger, 0, "", "how many"},
        {"When", TRptDataType::dtDateTime, 0, "Full", "Desc"},
        {"Big", TRptDataType::dtInt64, 1, "", ""}};
    EXPECT_EQ(parseColumnTexts(4, all), received);
    EXPECT_EQ(parseColumnTexts(2, all),
              (std::vector<RptReceivedColumn>(received.begin(), received.begin() + 2)));
    EXPECT_EQ(parseColumnTexts(9, all), received) << "a list that ends early";
    EXPECT_EQ(parseColumnTexts(1, {"NOdd", "TdtNoSuchType", "Wx", "Qskip", ""}),
              (std::vector<RptReceivedColumn>{{"Odd", std::nullopt, 0, "", ""}}));
}

TEST(ConnectionWriteStringValue, RefusesMoreValuesThanColumnsAndValuesOfOtherTypes) {
    TRptCustomConnection connection("Writer");
    int32_t values = 2;
    connection.OnGetCols = [](TRptCustomConnection& c) {
        c.DeclareColumn("S", TRptDataType::dtString, 0, "", "");
        c.DeclareColumn("I", TRptDataType::dtInteger, 0, "", "");
        c.DeclareColumn("T", TRptDataType::dtString, 0, "", "");
    };
    connection.OnGetRow = [&](TRptCustomConnection& c) {
        for (int32_t i = 0; i < values; ++i)
            c.WriteStringValue("", "v");
    };
    connection.answer(request(RptRequestCode::Open));
    connection.answer(request(RptRequestCode::GetCols));
    EXPECT_EQ(errorOf([&] { connection.answer(request(RptRequestCode::First)); }),
              "Attempt to write different data type than defined (Column 2/3).");
    EXPECT_EQ(connection.columnCursor(), 1) << "the cursor stays on the refused column";

    connection.OnGetCols = [](TRptCustomConnection& c) {
        c.DeclareColumn("S", TRptDataType::dtString, 0, "", "");
    };
    connection.answer(request(RptRequestCode::GetCols));
    EXPECT_EQ(errorOf([&] { connection.answer(request(RptRequestCode::GetRow)); }),
              "Attempt to write more fields than defined.");
    values = 1;
    EXPECT_EQ(connection.answer(request(RptRequestCode::GetRow)), RptAnswer(rowOf({"v"})));
    EXPECT_EQ(errorOf([&] { connection.WriteStringValue("", "w"); }),
              "Attempt to write more fields than defined.")
        << "outside a row the cursor stands where the row left it";
}

TEST(ConnectionWriteStringValue, AFilteredOutValueOfAnotherTypeIsNotAnError) {
    TRptCustomConnection connection("Writer");
    connection.OnGetCols = [](TRptCustomConnection& c) {
        c.DeclareColumn("S", TRptDataType::dtString, 0, "", "");
        c.DeclareColumn("I", TRptDataType::dtInteger, 0, "", "");
    };
    connection.OnGetRow = [](TRptCustomConnection& c) {
        c.WriteStringValue("", c.RowIndex == 0 ? "skip" : "keep");
        c.WriteStringValue("", "1");
    };
    connection.OnOpen = [](TRptCustomConnection& c) { c.RowCount = 2; };
    connection.answer(request(RptRequestCode::Open));
    connection.answer(request(RptRequestCode::GetCols));
    connection.answer(filterOf({{"S", TRptDataType::dtString, "keep"}}));
    connection.RowIndex = 0;
    EXPECT_EQ(connection.answer(request(RptRequestCode::GetRow)),
              RptAnswer(RptRowAnswer{RptRowMark::RowFollows, {}}));
    EXPECT_EQ(errorOf([&] { connection.answer(request(RptRequestCode::First)); }),
              "Attempt to write different data type than defined (Column 2/2).");
}

} // namespace
} // namespace zamt
