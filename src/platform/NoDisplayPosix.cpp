#include "platform/NoDisplay.h"

namespace zamt {

// fontconfig tells the offscreen platform the system's fonts.
QString systemFontFolder() { return {}; }

} // namespace zamt
