#pragma once
// Report variable names compare without regard to case; this is the key
// both the writer and the reader keep them under.
#include <QString>
#include <string_view>

namespace zamt {

QString rptNameKey(std::string_view name);

} // namespace zamt
