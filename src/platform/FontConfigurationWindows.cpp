#include "platform/FontConfiguration.h"

namespace zamt {

// Windows keeps its fonts ready; there is nothing to read ahead.
struct FontConfigurationAhead::Reader {};

FontConfigurationAhead::FontConfigurationAhead() = default;
FontConfigurationAhead::~FontConfigurationAhead() = default;

} // namespace zamt
