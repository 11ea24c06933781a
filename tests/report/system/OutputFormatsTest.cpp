// The table of output formats, the bare-name rule and the one output kind.
#include "report/pdf/TRptRenderPDF.h"
#include "report/system/RptFormatTable.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

using K = RptOutputKind;
using U = RptFormatUse;

// The PDF renderer as registered at start-up, beside one that is not active.
struct RegisteredPdf {
    RptOutputFormats& all = RptOutputFormats::instance();
    TRptRenderFile& pdf = all.add(std::make_unique<TRptRenderPDF>());
    TRptRenderFile& inactive = all.add(std::make_unique<TRptRenderPDF>());
    RegisteredPdf() { inactive.Active = false; }
    ~RegisteredPdf() {
        all.remove(&pdf);
        all.remove(&inactive);
    }
};

TEST(FormatTable, SnapshotNativeOutputThenTheActiveRenderers) {
    const RegisteredPdf registered;
    const RptFormatTable table;
    const RptOutputFormat expected[] = {
        {K::SnapshotFile, "Report Snapshot File (RPS)", "Report Snapshot File (RPS)|*.RPS",
         "Report Snapshot Files (*.rps)|*.rps", ".rps", nullptr},
        {K::NativePrinterFile, "Native Printer Output (PRN)", "Native Printer Output (PRN)|*.PRN",
         "", ".prn", nullptr},
        {K::RenderedFile, "PDF Document (PDF)", "PDF Document (PDF)|*.pdf",
         "PDF Document (PDF)|*.pdf", ".pdf", &registered.pdf},
    };
    ASSERT_EQ(table.formats().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const RptOutputFormat& f = table.formats()[i];
        EXPECT_EQ(std::tie(f.kind, f.caption, f.filter, f.saveAsFilter, f.extension, f.renderer),
                  std::tie(expected[i].kind, expected[i].caption, expected[i].filter,
                           expected[i].saveAsFilter, expected[i].extension, expected[i].renderer))
            << i;
    }
    EXPECT_EQ(table.filter(U::Setup), "Report Snapshot File (RPS)|*.RPS|"
                                      "Native Printer Output (PRN)|*.PRN|PDF Document (PDF)|*.pdf");
    EXPECT_EQ(table.filter(U::SaveAs),
              "Report Snapshot Files (*.rps)|*.rps|PDF Document (PDF)|*.pdf");
    // A filter index maps to its format and back; one out of range, and a
    // format Save As does not offer (the printer's output), to the snapshot.
    const struct {
        U use;
        int index;
        size_t format;
        int back;
    } cases[] = {{U::Setup, 1, 0, 1},  {U::Setup, 2, 1, 2},  {U::Setup, 3, 2, 3},
                 {U::Setup, 4, 0, 1},  {U::SaveAs, 1, 0, 1}, {U::SaveAs, 2, 2, 2},
                 {U::SaveAs, 0, 0, 1}, {U::SaveAs, 3, 0, 1}};
    for (const auto& c : cases) {
        const RptOutputFormat& f = table.atFilterIndex(c.use, c.index);
        EXPECT_EQ(&f, &table.formats()[c.format]) << int(c.use) << " " << c.index;
        EXPECT_EQ(table.filterIndexOf(c.use, f), c.back) << int(c.use) << " " << c.index;
    }
    EXPECT_EQ(table.filterIndexOf(U::SaveAs, table.formats()[1]), 1);
    EXPECT_EQ(&table.at(-1), &table.formats()[0]) << "no item chosen";
    EXPECT_EQ(table.positionOf(table.at(2)), 2);
}

TEST(FormatTable, ABareNameGetsTheFormatsExtension) {
    const RegisteredPdf registered;
    const RptFormatTable table;
    const struct {
        size_t format;
        const char* given;
        const char* named;
    } cases[] = {
        {2, "passport", "passport.pdf"},
        {0, "passport", "passport.rps"},
        {1, "passport", "passport.prn"},
        {2, "passport.rps", "passport.rps"},
        {0, "records.2026/passport", "records.2026/passport.rps"},
        {2, "/home/u/records.2026/passport", "/home/u/records.2026/passport.pdf"},
        {0, "a.b", "a.b"},
        {0, "passport.", "passport."},
        {1, "  passport  ", "passport.prn"},
        {0, "records/", "records/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.formats()[c.format].fileNameFor(c.given), c.named) << c.given;
}

// A name's own extension decides its format, whatever the list or the
// filter offers; otherwise the chosen one does, and a bare name gets its
// extension.
TEST(FormatTable, ANamesOwnExtensionDecidesItsFormat) {
    const RegisteredPdf registered;
    const RptFormatTable table;
    const struct {
        size_t chosen;
        const char* given;
        size_t format;
        const char* named;
    } cases[] = {
        {0, "passport.pdf", 2, "passport.pdf"},
        {2, " passport.RPS ", 0, "passport.RPS"},
        {0, "/home/u/p.Prn", 1, "/home/u/p.Prn"},
        {1, "passport", 1, "passport.prn"},
        {2, "passport.txt", 2, "passport.txt"},
        {0, "records.pdf/passport", 0, "records.pdf/passport.rps"},
        {2, "passport.pdf.bak", 2, "passport.pdf.bak"},
    };
    for (const auto& c : cases) {
        const RptOutputTarget target = table.targetFor(c.given, table.formats()[c.chosen]);
        EXPECT_EQ(&target.format, &table.formats()[c.format]) << c.given;
        EXPECT_EQ(target.fileName, c.named) << c.given;
    }
    EXPECT_EQ(table.withExtension("PDF"), &table.formats()[2]);
    EXPECT_EQ(table.withExtension(".doc"), nullptr);
}

TEST(OutputKind, DecidedOnceFromDestinationNativeOutputAndRenderer) {
    TRptRenderPDF pdf;
    const struct {
        TReportDest dest;
        bool native;
        TRptRenderFile* renderer;
        K kind;
    } cases[] = {
        {TReportDest::rdPreview, true, &pdf, K::Preview},
        {TReportDest::rdPrinter, true, &pdf, K::Printer},
        {TReportDest::rdFile, false, nullptr, K::SnapshotFile},
        {TReportDest::rdFile, true, nullptr, K::NativePrinterFile},
        {TReportDest::rdFile, false, &pdf, K::RenderedFile},
        {TReportDest::rdFile, true, &pdf, K::RenderedFile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rptOutputKind(c.dest, c.native, c.renderer), c.kind)
            << int(c.dest) << " " << c.native << " " << c.renderer;
}

} // namespace
} // namespace zamt
