#include "platform/MemoryAllocator.h"

namespace zamt {

// The Windows heap keeps freed blocks for reuse on its own (its
// low-fragmentation heap); there is nothing to set.
void keepFreedMemoryForReuse() {}

} // namespace zamt
