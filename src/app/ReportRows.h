#pragma once
// The rows --print makes of a text for the report: each line of the text
// is one row, unless it is wider than the room a row of the report gives
// the column; only such a line breaks, at blanks (a word longer than a row
// anywhere), into further rows, so that nothing runs past the row. Unlike
// the text view's lines they depend on no window and no display: widths are
// measured in the report's own font at a fixed resolution.
#include "report/run/RptColumnSpace.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace zamt {

// `text` with '\n' line breaks, as readTextForView gives it; a last line
// that is empty is no row. The rows are Windows-1251, each at most
// DisplayedLines::kMaxLineLength characters. Without `space` every line is
// one row.
std::vector<std::string> reportRows(const QString& text, const std::optional<RptColumnSpace>& space);

} // namespace zamt
