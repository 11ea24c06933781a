#include "platform/NoDisplay.h"

namespace zamt {

QByteArray noDisplayPlatform() { return QByteArrayLiteral("offscreen"); }

} // namespace zamt
