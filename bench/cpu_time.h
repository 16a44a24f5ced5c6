// CPU time of the calling thread: the benchmarks run on shared machines, so
// wall time would also measure the neighbours.
#pragma once

#include <ctime>

inline double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
