#pragma once
// The page notation of fixed texts, so that a report author can write
// "Page {page} of {pages}" and the page stream shows the numbers:
//   {page}   the current page number
//   {pages}  the number of pages of the report
//   {date}   the report date, in the locale's short format
//   {time}   the report time, in the locale's short format
//   {{       a "{" of its own
// Anything else in braces is plain text.
#include <string>
#include <string_view>

namespace zamt {

// The text with its notation turned into the page stream's page macros,
// ready for TRptStreamWriter::text. Windows-1251 in and out.
std::string rptExpandPageNotation(std::string_view text);

} // namespace zamt
