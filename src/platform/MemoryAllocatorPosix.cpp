#include "platform/MemoryAllocator.h"

#include <malloc.h>

namespace zamt {

void keepFreedMemoryForReuse() {
    // Blocks up to 32 MiB come from the heap, and up to 64 MiB free at its
    // top stay with the process.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
}

} // namespace zamt
