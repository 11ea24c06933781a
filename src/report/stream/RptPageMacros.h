#pragma once
// Texts of the page stream may carry inline formatting commands and page
// macros, both handled when a page is drawn.
//
// An inline command starts with byte 1 and runs up to and including the
// next byte 1 (or to the end of the text). Our renderers draw texts plain,
// so a text is split at its commands into the runs between them.
//
// Page macros: byte 253, "$PGCM" and two decimal digits nn stand for macro
// nn; byte 253, "$PGCV", byte 252, a variable name and byte 251 stand for the
// value of that report variable. Macro values:
//   0 to 3   the report date as "ddddd", "dddddd", "mm/dd/yy", "dd/mm/yy"
//   4 to 7   the report time as "t", "tt", "hh:nn ampm", "hh:nn"
//   8, 9, 10 first page, last page, page count
//   11, 12   current page number, page within its section
//   13 to 15 values supplied by the renderer
//   16 to 35 line nn - 16 of the renderer's macro data
// anything else is empty. Dates and times follow the given locale: its short
// and long formats, and its date and time separators for "/" and ":".
#include <QDateTime>
#include <QLocale>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

class TRptRender;

struct RptMacroValues {
    QDateTime reportTime;
    QLocale locale;
    int firstPage = 0;
    int lastPage = 0;
    int pageCount = 0;
    int pageNumber = 0;
    int sectionPage = 0;
    const TRptRender* renderer = nullptr;
    // The value of a report variable, or null when there is none.
    std::function<const std::string*(std::string_view name)> variable;
};

// The plain runs of a text; runs left empty by the commands are dropped.
std::vector<std::string> rptTextRuns(std::string_view text);

// The text with its page macros replaced; Windows-1251 in and out.
std::string rptExpandMacros(std::string_view text, const RptMacroValues& values);

// The value of macro 0 to 7 for the given moment.
QString rptDateTimeMacro(int index, const QDateTime& moment, const QLocale& locale);

} // namespace zamt
