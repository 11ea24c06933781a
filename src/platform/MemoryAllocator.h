#pragma once
// How the C library's allocator keeps freed memory. Qt's PDF engine takes
// two buffers of 10 MiB for every page it writes and frees them again; by
// default the allocator hands that memory back to the system each time and
// takes it anew, page-faulting through 20 MiB a page (a fifth of the time
// of a PDF or printer run). Kept, the buffers are reused.
namespace zamt {

void keepFreedMemoryForReuse();

} // namespace zamt
