#pragma once
// Reading a number spelled in the C locale ('.' as the decimal point),
// whatever the user's locale says.
#include <string>

namespace zamt {

// The value of a number text that the caller has already checked, in long
// double; an infinity when it is beyond the range.
long double cLocaleNumber(const std::string& text);

} // namespace zamt
