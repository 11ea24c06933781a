// The table of output formats, the bare-name rule and the one output kind.
#include "report/pdf/TRptRenderPDF.h"
#include "report/system/RptFormatTable.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using K = RptOutputKind;
using U = RptFormatUse;

// The PDF renderer registered as at start-up, and one more that is not
// active and so is in no list.
class FormatTable : public testing::Test {
protected:
    void SetUp() override {
        pdf = &RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
        inactive = &RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
        inactive->Active = false;
    }
    void TearDown() override {
        RptOutputFormats::instance().remove(pdf);
        RptOutputFormats::instance().remove(inactive);
    }
    TRptRenderFile* pdf = nullptr;
    TRptRenderFile* inactive = nullptr;
};

TEST_F(FormatTable, SnapshotNativeOutputThenTheActiveRenderers) {
    const struct {
        K kind;
        const char* caption;
        const char* filter;
        const char* saveAsFilter;
        const char* extension;
        bool rendered;
    } expected[] = {
        {K::SnapshotFile, "Report Snapshot File (RPS)", "Report Snapshot File (RPS)|*.RPS",
         "Report Snapshot Files (*.rps)|*.rps", ".rps", false},
        {K::NativePrinterFile, "Native Printer Output (PRN)", "Native Printer Output (PRN)|*.PRN",
         "", ".prn", false},
        {K::RenderedFile, "PDF Document (PDF)", "PDF Document (PDF)|*.pdf",
         "PDF Document (PDF)|*.pdf", ".pdf", true},
    };
    const RptFormatTable table;
    ASSERT_EQ(table.formats().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const RptOutputFormat& f = table.formats()[i];
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(f.kind, expected[i].kind);
        EXPECT_EQ(f.caption, expected[i].caption);
        EXPECT_EQ(f.filter, expected[i].filter);
        EXPECT_EQ(f.saveAsFilter, expected[i].saveAsFilter);
        EXPECT_EQ(f.extension, expected[i].extension);
        EXPECT_EQ(f.renderer, expected[i].rendered ? pdf : nullptr);
    }
    EXPECT_EQ(table.filter(U::Setup), "Report Snapshot File (RPS)|*.RPS|"
                                      "Native Printer Output (PRN)|*.PRN|"
                                      "PDF Document (PDF)|*.pdf");
    EXPECT_EQ(table.filter(U::SaveAs),
              "Report Snapshot Files (*.rps)|*.rps|PDF Document (PDF)|*.pdf");
}

TEST_F(FormatTable, FilterIndexesAndListPlacesMapToTheirFormats) {
    const RptFormatTable table;
    const struct {
        U use;
        int index;
        K kind;
    } cases[] = {
        {U::Setup, 1, K::SnapshotFile},   {U::Setup, 2, K::NativePrinterFile},
        {U::Setup, 3, K::RenderedFile},   {U::Setup, 4, K::SnapshotFile},
        {U::Setup, 0, K::SnapshotFile},   {U::SaveAs, 1, K::SnapshotFile},
        {U::SaveAs, 2, K::RenderedFile},  {U::SaveAs, 3, K::SnapshotFile},
        {U::SaveAs, -1, K::SnapshotFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "use " << int(c.use) << " index " << c.index);
        const RptOutputFormat& f = table.atFilterIndex(c.use, c.index);
        EXPECT_EQ(f.kind, c.kind);
        const bool offered = c.index >= 1 && c.index <= (c.use == U::Setup ? 3 : 2);
        EXPECT_EQ(table.filterIndexOf(c.use, f), offered ? c.index : 1);
    }
    // Save As does not offer the printer's own output.
    EXPECT_EQ(table.filterIndexOf(U::SaveAs, table.formats()[1]), 1);
    for (int place : {-1, 0, 1, 2, 3}) {
        const RptOutputFormat& f = table.at(place);
        EXPECT_EQ(table.positionOf(f), place < 0 || place > 2 ? 0 : place) << place;
    }
    EXPECT_EQ(table.at(-1).kind, K::SnapshotFile) << "no item chosen";
}

TEST_F(FormatTable, ABareNameGetsTheFormatsExtension) {
    const RptFormatTable table;
    const RptOutputFormat& rps = table.formats()[0];
    const RptOutputFormat& prn = table.formats()[1];
    const RptOutputFormat& pdf = table.formats()[2];
    const struct {
        const RptOutputFormat& format;
        const char* given;
        const char* named;
    } cases[] = {
        {pdf, "passport", "passport.pdf"},
        {rps, "passport", "passport.rps"},
        {prn, "passport", "passport.prn"},
        {pdf, "passport.rps", "passport.rps"},
        {rps, "records.2026/passport", "records.2026/passport.rps"},
        {pdf, "/home/u/records.2026/passport", "/home/u/records.2026/passport.pdf"},
        {rps, "a.b", "a.b"},
        {rps, "out/a.b", "out/a.b"},
        {rps, "passport.", "passport."},
        {rps, ".hidden", ".hidden"},
        {prn, "  passport  ", "passport.prn"},
        {rps, "records/", "records/"},
        {rps, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.format.fileNameFor(QString::fromUtf8(c.given)), c.named) << c.given;
}

TEST(OutputKind, DecidedOnceFromDestinationNativeOutputAndRenderer) {
    TRptRenderPDF renderer;
    const struct {
        TReportDest dest;
        bool native;
        bool rendered;
        K kind;
    } cases[] = {
        {TReportDest::rdPreview, true, true, K::Preview},
        {TReportDest::rdPreview, false, false, K::Preview},
        {TReportDest::rdPrinter, true, true, K::Printer},
        {TReportDest::rdPrinter, false, false, K::Printer},
        {TReportDest::rdFile, false, false, K::SnapshotFile},
        {TReportDest::rdFile, true, false, K::NativePrinterFile},
        {TReportDest::rdFile, false, true, K::RenderedFile},
        {TReportDest::rdFile, true, true, K::RenderedFile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rptOutputKind(c.dest, c.native, c.rendered ? &renderer : nullptr), c.kind)
            << int(c.dest) << " native " << c.native << " rendered " << c.rendered;
}

} // namespace
} // namespace zamt
