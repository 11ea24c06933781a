#pragma once
// The process's peak resident memory so far, in MiB.
#include <sys/resource.h>

namespace zamt::bench {

inline long peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace zamt::bench
