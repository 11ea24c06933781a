// The request table of a data connection: each code's answer and the
// handlers it calls, and the defaults of handlers left unassigned.
#include "ConnectionTestSupport.h"
#include "platform/AppError.h"
#include "report/connection/RptConnectionRegistry.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using test::endOfData;
using test::request;
using test::rowOf;

// Three rows of three string columns; the third column has a display text,
// the second one's display text equals its native text and is not sent.
struct ThreeRows : test::RecordingConnection {
    ThreeRows() {
        declareStrings({"A", "B", "C"});
        rows = {{"a0", "b0", "c0"}, {"a1", "b1", "c1"}, {"a2", "b2", "c2"}};
        connection.OnGetRow = [this](TRptCustomConnection& c) {
            calls.push_back("getrow " + std::to_string(c.RowIndex));
            const auto& row = rows.at(static_cast<size_t>(c.RowIndex));
            c.WriteStringValue("", row[0]);
            c.WriteStringValue(row[1], row[1]);
            c.WriteStringValue("shown " + row[2], row[2]);
        };
        connection.answer(request(RptRequestCode::Open));
        connection.answer(request(RptRequestCode::GetCols));
        calls.clear();
    }
};

RptRowAnswer threeRowsRow(int i) {
    const std::string n = std::to_string(i);
    return {RptRowMark::RowFollows,
            {{"a" + n, std::nullopt}, {"b" + n, std::nullopt}, {"c" + n, "shown c" + n}}};
}

TEST(ConnectionRequests, EachCodeAnswersAndCallsItsHandlersAsTheTableSays) {
    const struct {
        const char* what;
        RptRequest request;
        int32_t rowIndexBefore;
        RptAnswer answer;
        std::vector<std::string> calls;
        int32_t rowIndexAfter;
    } cases[] = {
        {"1 first", request(RptRequestCode::First), 2, threeRowsRow(0), {"getrow 0"}, 0},
        {"2 next", request(RptRequestCode::Next), 0, threeRowsRow(1), {"getrow 1"}, 1},
        {"2 next past the last row", request(RptRequestCode::Next), 2, endOfData(), {}, 3},
        {"3 end of data, inside",
         request(RptRequestCode::EndOfData),
         2,
         RptEndOfDataAnswer{false},
         {},
         2},
        {"3 end of data, at the end",
         request(RptRequestCode::EndOfData),
         3,
         RptEndOfDataAnswer{true},
         {},
         3},
        {"4 get columns",
         request(RptRequestCode::GetCols),
         1,
         RptColumnsAnswer{3, {"NA", "", "NB", "", "NC", ""}},
         {"getcols"},
         1},
        {"5 get row", request(RptRequestCode::GetRow), 1, threeRowsRow(1), {"getrow 1"}, 1},
        {"5 get row at the end", request(RptRequestCode::GetRow), 3, endOfData(), {}, 3},
        {"6 set filter",
         {RptRequestCode::SetFilter, {{"A", TRptDataType::dtString, "a1"}}, {}},
         1,
         RptNoAnswer{},
         {},
         1},
        {"7 get sorts", request(RptRequestCode::GetSorts), 1, RptSortsAnswer{}, {}, 1},
        {"8 set sort", {RptRequestCode::SetSort, {}, {"A"}}, 1, RptNoAnswer{}, {}, 1},
        {"9 open", request(RptRequestCode::Open), 2, RptNoAnswer{}, {"open"}, 2},
        {"10 restore", request(RptRequestCode::Restore), 2, RptNoAnswer{}, {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ThreeRows rows;
        rows.connection.RowIndex = c.rowIndexBefore;
        EXPECT_EQ(rows.connection.answer(c.request), c.answer);
        EXPECT_EQ(rows.calls, c.calls);
        EXPECT_EQ(rows.connection.RowIndex, c.rowIndexAfter);
        EXPECT_EQ(rows.connection.RowCount, 3);
    }
}

TEST(ConnectionRequests, UnassignedHandlersGiveOneRowWithoutColumns) {
    TRptCustomConnection connection("Bare");
    connection.RowIndex = 7;
    const struct {
        RptRequest request;
        RptAnswer answer;
        int32_t rowIndex;
    } steps[] = {
        {request(RptRequestCode::Open), RptNoAnswer{}, 0},
        {request(RptRequestCode::GetCols), RptColumnsAnswer{0, {}}, 0},
        {request(RptRequestCode::EndOfData), RptEndOfDataAnswer{false}, 0},
        {request(RptRequestCode::First), RptRowAnswer{RptRowMark::RowFollows, {}}, 0},
        {request(RptRequestCode::GetRow), RptRowAnswer{RptRowMark::RowFollows, {}}, 0},
        {request(RptRequestCode::Next), endOfData(), 1},
        {request(RptRequestCode::EndOfData), RptEndOfDataAnswer{true}, 1},
        {request(RptRequestCode::GetSorts), RptSortsAnswer{}, 1},
        {request(RptRequestCode::SetSort), RptNoAnswer{}, 1},
        {request(RptRequestCode::Restore), RptNoAnswer{}, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::PrintToString(step.request));
        EXPECT_EQ(connection.answer(step.request), step.answer);
        EXPECT_EQ(connection.RowIndex, step.rowIndex);
        EXPECT_EQ(connection.RowCount, 1);
    }
}

TEST(ConnectionRequests, AssignedHandlersReplaceTheDefaults) {
    test::RecordingConnection rows;
    rows.declareStrings({"A"});
    rows.rows = {{"a0"}, {"a1"}, {"a2"}, {"a3"}, {"a4"}};
    TRptCustomConnection& c = rows.connection;
    c.OnFirst = [&](TRptCustomConnection& self) {
        rows.calls.push_back("first");
        self.RowIndex = 3;
    };
    c.OnNext = [&](TRptCustomConnection& self) {
        rows.calls.push_back("next");
        self.RowIndex -= 2;
    };
    c.OnEOF = [&](TRptCustomConnection& self) {
        rows.calls.push_back("eof");
        return self.RowIndex < 0;
    };
    c.OnValidateRow = [&](TRptCustomConnection& self) {
        rows.calls.push_back("validate");
        return self.RowIndex != 1;
    };
    std::vector<RptFilterItem> filterSeen;
    c.OnSetFilter = [&](TRptCustomConnection&, const std::vector<RptFilterItem>& filter) {
        rows.calls.push_back("setfilter");
        filterSeen = filter;
    };
    c.OnGetSorts = [&](TRptCustomConnection&) {
        rows.calls.push_back("getsorts");
        return std::vector<std::string>{"by A", "by B"};
    };
    std::vector<std::string> sortSeen;
    c.OnSetSort = [&](TRptCustomConnection&, const std::vector<std::string>& sort) {
        rows.calls.push_back("setsort");
        sortSeen = sort;
    };
    c.OnRestore = [&](TRptCustomConnection&) { rows.calls.push_back("restore"); };

    c.answer(request(RptRequestCode::Open));
    c.answer(request(RptRequestCode::GetCols));
    const std::vector<RptFilterItem> filter{{"A", TRptDataType::dtString, "a3"}};
    EXPECT_EQ(c.answer({RptRequestCode::SetFilter, filter, {}}), RptAnswer(RptNoAnswer{}));
    EXPECT_EQ(filterSeen, filter);
    EXPECT_TRUE(c.columns()[0].filterValue.empty()) << "the handler filters, not the connection";
    EXPECT_EQ(c.answer(request(RptRequestCode::GetSorts)),
              RptAnswer(RptSortsAnswer{{"by A", "by B"}}));
    c.answer({RptRequestCode::SetSort, {}, {"by B"}});
    EXPECT_EQ(sortSeen, std::vector<std::string>{"by B"});
    rows.calls.clear();

    // first goes to row 3; next steps back by two, skips the invalid row 1
    // and ends below 0.
    EXPECT_EQ(c.answer(request(RptRequestCode::First)), RptAnswer(rowOf({"a3"})));
    EXPECT_EQ(c.answer(request(RptRequestCode::Next)), RptAnswer(endOfData()));
    EXPECT_EQ(c.answer(request(RptRequestCode::EndOfData)), RptAnswer(RptEndOfDataAnswer{true}));
    c.answer(request(RptRequestCode::Restore));
    const std::vector<std::string> expected{
        "first",  "eof", "getrow 3", "validate", // first
        "next",   "eof", "getrow 1", "validate", // next: row 1 is not valid
        "next",   "eof",                         // index -1: the end
        "eof",                                   // end of data
        "restore"};
    EXPECT_EQ(rows.calls, expected);
}

TEST(ConnectionRequests, GetColumnsDiscardsTheColumnsOfTheLastTime) {
    test::RecordingConnection rows;
    rows.declareStrings({"A", "B"});
    rows.connection.answer(request(RptRequestCode::GetCols));
    rows.declareStrings({"C"});
    EXPECT_EQ(rows.connection.answer(request(RptRequestCode::GetCols)),
              RptAnswer(RptColumnsAnswer{1, {"NC", ""}}));
    ASSERT_EQ(rows.connection.columns().size(), 1u);
    EXPECT_EQ(rows.connection.columns()[0].position, 0);
}

TEST(ConnectionRequests, AnUnknownCodeIsRefused) {
    TRptCustomConnection connection("Bare");
    try {
        connection.answer(request(static_cast<RptRequestCode>(11)));
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Unknown data connection request 11");
    }
}

TEST(ConnectionRegistry, FindsConnectionsByNameWithoutRegardToCaseWhileTheyLive) {
    EXPECT_EQ(RptConnectionRegistry::find("RptCustomConnection1"), nullptr);
    auto first = std::make_unique<TRptCustomConnection>("RptCustomConnection1");
    TRptCustomConnection second("rptcustomconnection1");
    TRptCustomConnection cyrillic("\xD1\xE2\xFF\xE7\xFC"); // "Связь"
    EXPECT_EQ(RptConnectionRegistry::find("RPTCUSTOMCONNECTION1"), first.get());
    EXPECT_EQ(RptConnectionRegistry::find("\xF1\xE2\xDF\xC7\xDC"), &cyrillic); // "свЯЗЬ"
    EXPECT_EQ(RptConnectionRegistry::find("RptCustomConnection"), nullptr);
    first.reset();
    EXPECT_EQ(RptConnectionRegistry::find("RptCustomConnection1"), &second);
}

} // namespace
} // namespace zamt
