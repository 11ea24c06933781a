#pragma once
// The errors of reading a report project (AppError).
#include <QString>

namespace zamt {

// "Invalid Project Format": the file does not begin with the signature.
[[noreturn]] void rptInvalidProjectFormat();
// "Invalid Project Header Code": the header after the signature is damaged.
[[noreturn]] void rptInvalidProjectHeader();
// "Invalid report project: <what>."
[[noreturn]] void rptInvalidProject(const QString& what);
// "Invalid report project, line <line>: <what>."
[[noreturn]] void rptInvalidProjectAt(qint64 line, const QString& what);

} // namespace zamt
