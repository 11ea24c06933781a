#include "report/system/RptPrintRange.h"

#include "report/common/RptTranslate.h"

#include <algorithm>

namespace zamt {

RptPrintRange rptPrintRange(int from, int to, int pageCount) {
    RptPrintRange range;
    if (from > to) {
        range.refusal =
            rptTranslate(QStringLiteral("The page range From %1 To %2 is empty: From is above To."))
                .arg(from)
                .arg(to);
        return range;
    }
    if (pageCount >= 1 && (to < 1 || from > pageCount)) {
        range.refusal =
            rptTranslate(QStringLiteral("The report has pages 1 to %3; the range From %1 To %2 "
                                        "has none of them."))
                .arg(from)
                .arg(to)
                .arg(pageCount);
        return range;
    }
    range.first = std::max(from, 1);
    range.last = pageCount >= 1 ? std::min(to, pageCount) : to;
    return range;
}

} // namespace zamt
