// The page producer: a report's bands laid out on pages, rows taken from a
// data connection, everything read back from the page stream.
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/connection/RptRunAborted.h"
#include "report/connection/TRptCustomConnection.h"
#include "report/run/RptColumnSpace.h"
#include "report/run/RptPageProducer.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"
#include "support/ScriptedServices.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace zamt {
namespace {

// The texts of every page, macros expanded, with where they stand.
struct PageTexts : TRptRender {
    std::vector<std::vector<std::string>> pages;
    std::vector<std::vector<float>> baselines;
    void beginPage(const RptPageInfo&) override {
        pages.emplace_back();
        baselines.emplace_back();
    }
    void text(const RptText& text) override {
        std::string plain;
        for (const std::string& run : text.runs)
            plain += run;
        pages.back().push_back(plain);
        baselines.back().push_back(text.y);
    }
};

// A connection serving `rows` numbered lines, as the main window serves the
// lines of its text view, recording the requests' handler calls.
struct Rows {
    explicit Rows(int count, TRptDataType type = TRptDataType::dtString) : connection("TestRows") {
        connection.OnOpen = [this, count](TRptCustomConnection& c) {
            c.RowCount = count;
            next = 0;
            calls.push_back("open");
        };
        connection.OnGetCols = [type](TRptCustomConnection& c) {
            c.DeclareColumn("StrField", type, 120, "StrField", "");
        };
        connection.OnGetRow = [this](TRptCustomConnection& c) {
            if (c.columns().front().type == TRptDataType::dtString)
                c.WriteStringValue("", "row " + std::to_string(++next));
            calls.push_back("row");
        };
    }
    TRptCustomConnection connection;
    int next = 0;
    std::vector<std::string> calls;
};

// Letter paper, half-inch margins; header 0.5, rows 0.16, footer 0.4: the
// 9.1 inches between header and footer hold 56 rows.
RptProjectModel project(const std::string& connection = "TestRows") {
    RptProjectModel p;
    p.dataViews.push_back({"Lines", connection, {{"StrField", TRptDataType::dtString}}});
    RptReport& r = p.reports.emplace_back();
    r.name = "Report";
    RptBand& header = r.pageHeader.emplace();
    header.height = 0.5;
    header.items.push_back(RptFixedText{{0, 0, 7.5, 0.3}, {}, RptAlign::Center, "Title"});
    RptDetailBand& detail = r.detail.emplace();
    detail.height = 0.16;
    detail.dataView = "Lines";
    detail.items.push_back(RptDataText{{0, 0, 7.5, 0.16}, {}, RptAlign::Left, "Lines", "StrField"});
    RptBand& footer = r.pageFooter.emplace();
    footer.height = 0.4;
    footer.items.push_back(
        RptFixedText{{0, 0.1, 7.5, 0.3}, {}, RptAlign::Right, "Page {page} of {pages}"});
    return p;
}

PageTexts produce(const RptProjectModel& p,
                  const std::function<void(TRptStreamWriter&)>& during = {}) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        TRptStreamWriter writer(&buffer);
        writer.beginJob();
        RptPageProducer producer(p.reports.front(), p);
        if (during)
            writer.setStatusSink([&](const QString&) { during(writer); });
        producer.produce(writer);
        writer.endJob();
    }
    buffer.seek(0);
    TRptStreamReader reader(&buffer);
    PageTexts texts;
    reader.replayAll(texts);
    return texts;
}

std::vector<std::string> page(int first, int last, int number, int count) {
    std::vector<std::string> texts{"Title"};
    for (int row = first; row <= last; ++row)
        texts.push_back("row " + std::to_string(row));
    texts.push_back("Page " + std::to_string(number) + " of " + std::to_string(count));
    return texts;
}

TEST(PageProducer, FillsPagesWithRowsBetweenHeaderAndFooter) {
    const struct {
        int rows;
        std::vector<std::vector<std::string>> pages;
    } cases[] = {
        {0, {page(1, 0, 1, 1)}},
        {1, {page(1, 1, 1, 1)}},
        {56, {page(1, 56, 1, 1)}},
        {57, {page(1, 56, 1, 2), page(57, 57, 2, 2)}},
        {150, {page(1, 56, 1, 3), page(57, 112, 2, 3), page(113, 150, 3, 3)}},
    };
    for (const auto& c : cases) {
        Rows rows(c.rows);
        const PageTexts texts = produce(project());
        EXPECT_EQ(texts.pages, c.pages) << c.rows << " rows";
        // One open, one get-row call per row, in order.
        EXPECT_EQ(rows.calls.size(), size_t(c.rows + 1)) << c.rows;
    }
}

TEST(PageProducer, PlacesBandsFromTheTopMarginAndTheFooterAboveTheBottomMargin) {
    Rows rows(2);
    const PageTexts texts = produce(project());
    ASSERT_EQ(texts.baselines.size(), 1u);
    // Baselines at 80 % of the 10-point font below each item's top.
    const float ascent = 10.0f / 72 * 0.8f;
    const std::vector<float> expected = {0.5f + ascent, 1.0f + ascent, 1.16f + ascent,
                                         11 - 0.5f - 0.4f + 0.1f + ascent};
    ASSERT_EQ(texts.baselines[0].size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(texts.baselines[0][i], expected[i], 1e-5) << i;
}

TEST(PageProducer, AStrFieldOfAnotherTypePrintsTheRowsWithoutValues) {
    Rows rows(3, TRptDataType::dtInteger);
    const PageTexts texts = produce(project());
    ASSERT_EQ(texts.pages.size(), 1u);
    EXPECT_EQ(texts.pages[0], (std::vector<std::string>{"Title", "", "", "", "Page 1 of 1"}));
}

TEST(PageProducer, StopsWhenTheRunIsCancelled) {
    Rows rows(500);
    int statusCalls = 0;
    const PageTexts texts = produce(project(), [&](TRptStreamWriter& writer) {
        if (++statusCalls == 2) // the second page begins
            writer.abort();
    });
    EXPECT_EQ(texts.pages.size(), 1u) << "the page being generated leaves no block";
    EXPECT_LT(rows.calls.size(), 130u) << "rows went on being requested after the cancel";
}

TEST(PageProducer, ADataViewOnAMissingConnectionShowsItsBoxAndAbortsTheRun) {
    test::ScriptedServices services;
    const RptProjectModel p = project("NoSuchConnection");
    EXPECT_THROW(produce(p), RptRunAborted);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].text,
              "Error!  Could not open data connection \"NoSuchConnection\".  Aborting report.");
}

// The room a row gives a column: the narrowest data text of the detail band
// that prints it from a data view on that connection, names compared
// without regard to case.
TEST(ColumnSpace, IsTheNarrowestDataTextPrintingTheColumn) {
    RptItemFont narrow;
    narrow.name = "DejaVu Sans Mono";
    narrow.size = 9;
    const struct {
        const char* name;
        std::function<void(RptProjectModel&)> change;
        std::optional<double> width; // nullopt: no room is known
        std::string font;
    } cases[] = {
        {"as drawn", [](RptProjectModel&) {}, 7.5, "DejaVu Sans"},
        {"names in other cases",
         [](RptProjectModel& p) {
             p.dataViews[0].connection = "TESTrows";
             std::get<RptDataText>(p.reports[0].detail->items[0]).field = "strfield";
         },
         7.5, "DejaVu Sans"},
        {"a narrower second one",
         [&](RptProjectModel& p) {
             p.reports[0].detail->items.push_back(
                 RptDataText{{1, 0, 2.5, 0.16}, narrow, RptAlign::Left, "Lines", "StrField"});
         },
         2.5, "DejaVu Sans Mono"},
        {"another connection", [](RptProjectModel& p) { p.dataViews[0].connection = "Other"; },
         std::nullopt, ""},
        {"another column",
         [](RptProjectModel& p) {
             std::get<RptDataText>(p.reports[0].detail->items[0]).field = "Other";
         },
         std::nullopt, ""},
        {"no detail band", [](RptProjectModel& p) { p.reports[0].detail.reset(); }, std::nullopt,
         ""},
    };
    for (const auto& c : cases) {
        RptProjectModel p = project();
        c.change(p);
        const std::optional<RptColumnSpace> space =
            rptColumnSpace(p.reports[0], p, "TestRows", "StrField");
        ASSERT_EQ(space.has_value(), c.width.has_value()) << c.name;
        if (space) {
            EXPECT_EQ(space->width, *c.width) << c.name;
            EXPECT_EQ(space->font.name, c.font) << c.name;
        }
    }
}

} // namespace
} // namespace zamt
