#include "platform/NoDisplay.h"

namespace zamt {

QByteArray noDisplayPlatform() { return QByteArrayLiteral("windows"); }

} // namespace zamt
