// clang-format off
#include <windows.h>
#include <psapi.h>  // after windows.h, which it needs
// clang-format on

#include "windows/host/ProcessMemory.h"

namespace dd::host {

size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

}  // namespace dd::host
