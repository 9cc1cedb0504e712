#include "windows/support/LeakProbes.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace dd::test {

uintptr_t ProbeHandles() {
    std::vector<HANDLE> probes;
    for (int i = 0; i < 32; ++i) probes.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    uintptr_t highest = 0;
    for (HANDLE probe : probes) {
        highest = std::max(highest, reinterpret_cast<uintptr_t>(probe));
        CloseHandle(probe);
    }
    return highest;
}

unsigned ProbeGdi() {
    std::vector<HGDIOBJ> probes;
    for (int i = 0; i < 32; ++i) {
        probes.push_back(CreateSolidBrush(RGB(1, 2, i)));
        probes.push_back(CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, 0, 0, "Arial"));
    }
    unsigned highest = 0;
    for (HGDIOBJ probe : probes) {
        highest = std::max(highest, static_cast<unsigned>(reinterpret_cast<uintptr_t>(probe) & 0xFFFF));
        DeleteObject(probe);
    }
    return highest;
}

}  // namespace dd::test
