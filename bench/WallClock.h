// The wall clock of the Windows benchmarks, in milliseconds from an arbitrary start: the performance
// counter, the finest clock the system offers.
#pragma once

#include <windows.h>

namespace dd::bench {

inline double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

}  // namespace dd::bench
