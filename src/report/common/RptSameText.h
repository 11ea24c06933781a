#pragma once
// Names of the report engine (connections, columns, fields, data types) are
// Windows-1251 text and compare without regard to case, Cyrillic included.
#include <string_view>

namespace zamt {

bool rptSameText(std::string_view a, std::string_view b);

} // namespace zamt
