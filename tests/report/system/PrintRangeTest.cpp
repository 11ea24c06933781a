// The page range of printing from the preview against the report's pages:
// refused with the user's message, cut to the report, or printed as typed.
#include "report/system/RptPrintRange.h"

#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TEST(PrintRange, IsPrintedCutOrRefusedAgainstTheReportsPages) {
    const QString reversed = "The page range From %1 To %2 is empty: From is above To.";
    const QString outside =
        "The report has pages 1 to %3; the range From %1 To %2 has none of them.";
    struct Case {
        const char* what;
        int from, to, pages;
        int first, last; // printed when nothing is refused
        QString refusal;
    };
    const Case cases[] = {
        {"valid", 2, 3, 5, 2, 3, {}},
        {"the whole report", 1, 5, 5, 1, 5, {}},
        {"one page", 4, 4, 5, 4, 4, {}},
        {"From 0 starts at page 1", 0, 3, 5, 1, 3, {}},
        {"To beyond the end stops at the last page", 4, 99, 5, 4, 5, {}},
        {"both ends cut", 0, 9999, 5, 1, 5, {}},
        {"From negative", -3, 1, 5, 1, 1, {}},
        {"From on the last page", 5, 7, 5, 5, 5, {}},
        {"To on page 1", 0, 1, 5, 1, 1, {}},
        {"reversed", 12, 2, 20, 0, 0, reversed.arg(12).arg(2)},
        {"reversed by one", 3, 2, 5, 0, 0, reversed.arg(3).arg(2)},
        {"reversed and outside", 9, 7, 5, 0, 0, reversed.arg(9).arg(7)},
        {"after the last page", 6, 9, 5, 0, 0, outside.arg(6).arg(9).arg(5)},
        {"before page 1", 0, 0, 5, 0, 0, outside.arg(0).arg(0).arg(5)},
        {"negative", -4, -1, 5, 0, 0, outside.arg(-4).arg(-1).arg(5)},
        {"a report without pages", 0, 7, 0, 1, 7, {}},
        {"reversed in a report without pages", 2, 1, 0, 0, 0, reversed.arg(2).arg(1)},
    };
    for (const Case& c : cases) {
        const RptPrintRange range = rptPrintRange(c.from, c.to, c.pages);
        EXPECT_EQ(range.refusal.toStdString(), c.refusal.toStdString()) << c.what;
        if (!c.refusal.isEmpty())
            continue;
        EXPECT_EQ(range.first, c.first) << c.what;
        EXPECT_EQ(range.last, c.last) << c.what;
    }
}

} // namespace
} // namespace zamt::test
