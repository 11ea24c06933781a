#include "report/system/RptPrintRange.h"

#include "platform/CodePage.h"
#include "report/common/RptTranslate.h"
#include "report/stream/RptPageRange.h"

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

QString rptSelectionRefusal(std::string_view selection, int pageCount) {
    const RptPageRange range(1, pageCount, selection);
    for (int page = 1; page <= pageCount; ++page)
        if (range.contains(page))
            return {};
    if (pageCount < 1)
        return {};
    return rptTranslate(QStringLiteral("The report has pages 1 to %2; the selection \"%1\" has "
                                       "none of them."))
        .arg(fromCp1251(selection))
        .arg(pageCount);
}

} // namespace zamt
