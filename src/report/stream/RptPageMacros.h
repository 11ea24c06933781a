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
// value of that report variable. rptPageMacro and rptVariableMacro make
// these texts for the writer's producers, rptMacroAt finds them again when a
// page is drawn: the bytes below are their one definition. Macro values:
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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

class TRptRender;

namespace RptMacro {

inline constexpr char Start = char(253);
inline constexpr char NameStart = char(252);
inline constexpr char NameEnd = char(251);
inline constexpr std::string_view PageTag = "$PGCM";
inline constexpr std::string_view VariableTag = "$PGCV";

// Macro numbers of the values above that code refers to by name.
inline constexpr int ShortDate = 0;
inline constexpr int ShortTime = 4;
inline constexpr int FirstPage = 8;
inline constexpr int LastPage = 9;
inline constexpr int PageCount = 10;
inline constexpr int PageNumber = 11;
inline constexpr int SectionPage = 12;
inline constexpr int FirstDataLine = 16;
inline constexpr int LastDataLine = 35;

} // namespace RptMacro

// The text of page macro nn, 0 to 99; another number raises AppError.
std::string rptPageMacro(int index);
// The text of a report variable's value. A name holding byte 251 (which
// would end it early) raises AppError.
std::string rptVariableMacro(std::string_view name);

// A macro found in a text: page macro `index`, or the variable `name`
// (index -1), `length` bytes long.
struct RptMacroRef {
    int index = -1;
    std::string_view name;
    size_t length = 0;
};

// The macro that starts at byte `at` of the text, if a whole one does.
std::optional<RptMacroRef> rptMacroAt(std::string_view text, size_t at);

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
