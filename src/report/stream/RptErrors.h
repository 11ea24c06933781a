#pragma once
// The errors the page stream reader raises for damaged input (AppError).
#include <QString>

namespace zamt {

// "Report file is damaged: <what>."
[[noreturn]] void rptDamaged(const QString& what);
// "Unexpected code found in report file.": no page code where a page starts.
[[noreturn]] void rptUnexpectedPageCode();
// "Unexpected code [%d] found in report file.": an unknown record code.
[[noreturn]] void rptUnexpectedCode(int code);

} // namespace zamt
