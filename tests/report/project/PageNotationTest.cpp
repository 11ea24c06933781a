#include "platform/CodePage.h"
#include "report/project/RptItems.h"
#include "report/project/RptPageNotation.h"
#include "report/project/RptPaper.h"
#include "report/project/RptProjectModel.h"
#include "report/stream/RptPageMacros.h"

#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TEST(PageNotation, TurnsTheNotationIntoPageMacros) {
    const std::string page = rptPageMacro(11);
    const std::string pages = rptPageMacro(10);
    const struct {
        std::string text;
        std::string expanded;
    } cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"Page {page} of {pages}", "Page " + page + " of " + pages},
        {"{page}{pages}{page}", page + pages + page},
        {"{date} {time}", rptPageMacro(0) + " " + rptPageMacro(4)},
        {"{{page}", "{page}"},
        {"{{{page}", "{" + page},
        {"{Page} {pagecount} {page", "{Page} {pagecount} {page"},
        {"}{", "}{"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rptExpandPageNotation(c.text), c.expanded) << c.text;
}

TEST(PageNotation, PageStreamShowsTheNumbers) {
    RptMacroValues values;
    values.pageNumber = 2;
    values.pageCount = 5;
    EXPECT_EQ(fromCp1251(rptExpandMacros(
                  rptExpandPageNotation(cp1251("Страница {page} из {pages}")), values)),
              QStringLiteral("Страница 2 из 5"));
}

TEST(PageNotation, ItemFontBecomesTheStreamFont) {
    const RptFont font = rptStreamFont({"DejaVu Sans Mono", 9, true, false, true, 0x0000FF});
    EXPECT_EQ(font.name, "DejaVu Sans Mono");
    EXPECT_EQ(font.height, 0.125f);
    EXPECT_TRUE(font.bold);
    EXPECT_FALSE(font.italic);
    EXPECT_TRUE(font.underline);
    EXPECT_EQ(font.color, 0x0000FF);
}

TEST(Paper, NamedSizesAndTheTurnedPage) {
    EXPECT_EQ(rptNamedPaper("A4"), (RptPaperSize{210 / 25.4, 297 / 25.4}));
    EXPECT_EQ(rptNamedPaper("Letter"), (RptPaperSize{8.5, 11}));
    EXPECT_EQ(rptNamedPaper("a4"), std::nullopt);
    for (const RptNamedPaper& paper : rptNamedPapers())
        EXPECT_EQ(rptPaperName(paper.size), paper.name);
    EXPECT_EQ(rptPaperName({8.5, 11.5}), std::nullopt);
    RptReport report;
    report.paperWidth = 8;
    report.paperHeight = 12;
    EXPECT_EQ(rptPageWidth(report), 8);
    EXPECT_EQ(rptPageHeight(report), 12);
    report.orientation = RptOrientation::Landscape;
    EXPECT_EQ(rptPageWidth(report), 12);
    EXPECT_EQ(rptPageHeight(report), 8);
}

} // namespace
} // namespace zamt::test
