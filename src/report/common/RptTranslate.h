#pragma once
// Every caption, list item and message the report windows set at run time
// passes through here, so that a translation can be put in one place later.
// Today it returns its text unchanged.
#include <QString>

namespace zamt {

inline QString rptTranslate(const QString& text) { return text; }

} // namespace zamt
