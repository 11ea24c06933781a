#pragma once
// The pages From-To that printing from the preview is asked for, checked
// against the report's pages 1 to pageCount: a range whose From is above
// its To, or that holds none of the report's pages, is refused with a
// message for the user; a range partly outside is cut to the report's
// pages. A report without pages has nothing to check a range against, so
// its range passes with only From raised to 1.
#include <QString>
#include <string_view>

namespace zamt {

struct RptPrintRange {
    int first = 1;
    int last = 1;
    QString refusal; // empty when the range is printed
};

RptPrintRange rptPrintRange(int from, int to, int pageCount);

// The refusal of a selection text (RptPageRange.h, Windows-1251) that
// selects none of the pages 1 to pageCount; empty when it selects one, or
// when the report has no pages to check it against.
QString rptSelectionRefusal(std::string_view selection, int pageCount);

} // namespace zamt
