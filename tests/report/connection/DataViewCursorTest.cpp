// The report engine's side of a data view: the order of its requests, the
// binding of received columns to its fields, a type mismatch, and a
// connection the program does not have.
#include "ConnectionTestSupport.h"
#include "platform/AppError.h"
#include "report/connection/RptDataViewCursor.h"
#include "report/connection/RptRunAborted.h"
#include "support/ScriptedServices.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using Code = RptRequestCode;

struct Exchange {
    RptRequest request;
    RptAnswer answer;
};

std::vector<Code> codesOf(const std::vector<Exchange>& exchanges) {
    std::vector<Code> codes;
    for (const auto& e : exchanges)
        codes.push_back(e.request.code);
    return codes;
}

class DataViewCursor : public testing::Test {
protected:
    DataViewCursor() {
        source.declareStrings({"StrField", "Extra"});
        source.rows = {{"one", "1"}, {"two", "2"}, {"three", "3"}};
    }
    // Walks the view as a page producer does and gives what each row printed.
    std::vector<std::string> walk(RptDataViewCursor& view, const char* field = "StrField") {
        std::vector<std::string> printed;
        for (bool row = view.first(); row; row = view.next())
            printed.push_back(view.value(field) ? view.text(view.fieldIndex(field)) : "<none>");
        return printed;
    }
    void trace(RptDataViewCursor& view) {
        view.onExchange = [this](const RptRequest& request, const RptAnswer& answer) {
            exchanges.push_back({request, answer});
        };
    }

    test::ScriptedServices services;
    test::RecordingConnection source{"RptCustomConnection1"};
    std::vector<Exchange> exchanges;
};

TEST_F(DataViewCursor, RequestsOpenGetColumnsFirstNextAndRestoreInThisOrder) {
    {
        RptDataViewCursor view("rptcustomconnection1", {{"strfield", TRptDataType::dtString}});
        trace(view);
        view.open();
        EXPECT_EQ(walk(view, "STRFIELD"), (std::vector<std::string>{"one", "two", "three"}));
        EXPECT_FALSE(view.columnsDropped());
    } // the end of the run restores
    EXPECT_EQ(codesOf(exchanges),
              (std::vector<Code>{Code::Open, Code::GetCols, Code::First, Code::Next, Code::Next,
                                 Code::Next, Code::Restore}));
    EXPECT_EQ(source.calls,
              (std::vector<std::string>{"open", "getcols", "getrow 0", "getrow 1", "getrow 2"}));
    EXPECT_EQ(exchanges[1].answer, RptAnswer(RptColumnsAnswer{2, {"NStrField", "", "NExtra", ""}}));
    EXPECT_EQ(exchanges[5].answer, RptAnswer(test::endOfData()));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataViewCursor, FilterAndSortGoAfterTheColumnsAndRestoreIsSentOnce) {
    RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString}});
    trace(view);
    view.open();
    view.setFilter({{"Extra", TRptDataType::dtString, "2"}});
    view.setSort({"StrField"});
    EXPECT_TRUE(view.sorts().empty());
    EXPECT_EQ(walk(view), std::vector<std::string>{"two"});
    EXPECT_TRUE(view.endOfData());
    view.restore();
    view.restore();
    EXPECT_EQ(codesOf(exchanges), (std::vector<Code>{Code::Open, Code::GetCols, Code::SetFilter,
                                                     Code::SetSort, Code::GetSorts, Code::First,
                                                     Code::Next, Code::EndOfData, Code::Restore}));
    EXPECT_EQ(exchanges[2].request.filter,
              (std::vector<RptFilterItem>{{"Extra", TRptDataType::dtString, "2"}}));
}

TEST_F(DataViewCursor, BindsReceivedColumnsToFieldsByNameAndIgnoresTheOthers) {
    source.displayed = {1};
    RptDataViewCursor view("RptCustomConnection1", {{"extra", TRptDataType::dtString},
                                                    {"Missing", TRptDataType::dtInteger},
                                                    {"strField", TRptDataType::dtString}});
    view.open();
    ASSERT_TRUE(view.first());
    EXPECT_EQ(*view.value("StrField"), (RptValue{"one", std::nullopt}));
    EXPECT_EQ(*view.value(0), (RptValue{"1", "shown:1"}));
    EXPECT_EQ(view.text(0), "shown:1") << "the display text is printed when there is one";
    EXPECT_EQ(view.value("Missing"), nullptr);
    EXPECT_EQ(view.value("NoField"), nullptr);
    EXPECT_EQ(view.value(7), nullptr);
    EXPECT_EQ(view.text(1), "");
}

TEST_F(DataViewCursor, ATypeMismatchDropsAllColumnsSilentlyAndTheRunGoesOn) {
    // "Extra" matches in name but not in type; "StrField" would match.
    RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString},
                                                    {"Extra", TRptDataType::dtInteger}});
    trace(view);
    view.open();
    EXPECT_TRUE(view.columnsDropped());
    EXPECT_EQ(walk(view), (std::vector<std::string>{"<none>", "<none>", "<none>"}));
    view.restore();
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(codesOf(exchanges).size(), 7u) << "open, get columns, first, 3 x next, restore";
    EXPECT_EQ(source.calls.size(), 5u);
}

TEST_F(DataViewCursor, AnUnknownTypeNameFromTheConnectionIsAMismatch) {
    TRptCustomConnection odd("Odd");
    odd.OnGetCols = [](TRptCustomConnection& c) {
        c.DeclareColumn("StrField", static_cast<TRptDataType>(40), 0, "", "");
    };
    RptDataViewCursor view("Odd", {{"StrField", TRptDataType::dtString}});
    view.open();
    ASSERT_EQ(view.receivedColumns().size(), 1u);
    EXPECT_EQ(view.receivedColumns()[0].type, std::nullopt);
    EXPECT_TRUE(view.columnsDropped());
}

TEST_F(DataViewCursor, AMissingConnectionShowsItsBoxAtOnceAndAbortsTheRunSilently) {
    RptDataViewCursor view("NoSuchConnection", {{"StrField", TRptDataType::dtString}});
    trace(view);
    EXPECT_THROW(view.open(), RptRunAborted);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0],
              (MessageBox{BoxKind::Error, "zamt05",
                          "Error!  Could not open data connection \"NoSuchConnection\".  "
                          "Aborting report."}));
    EXPECT_FALSE(view.isOpen());
    EXPECT_TRUE(exchanges.empty());
    EXPECT_TRUE(source.calls.empty());
}

TEST_F(DataViewCursor, AHandlerErrorEndsTheRunAndTheViewIsStillRestored) {
    source.connection.OnGetRow = [](TRptCustomConnection& c) {
        c.WriteStringValue("", "a");
        c.WriteStringValue("", "b");
        c.WriteStringValue("", "c");
    };
    std::vector<std::string> restored;
    source.connection.OnRestore = [&](TRptCustomConnection&) { restored.push_back("restore"); };
    {
        RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString}});
        view.open();
        EXPECT_THROW(view.first(), AppError);
    }
    EXPECT_EQ(restored, std::vector<std::string>{"restore"});
}

} // namespace
} // namespace zamt
