#include "platform/Console.h"

namespace zamt {

void attachParentConsole() {}

} // namespace zamt
