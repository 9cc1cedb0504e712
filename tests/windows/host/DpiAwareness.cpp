#include "windows/host/DpiAwareness.h"

#include <windows.h>

namespace dd::host {

void MakeProcessDpiAware() noexcept {
    using SetContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    // Looked up at run time: older systems have only SetProcessDPIAware.
    const auto setContext = reinterpret_cast<SetContextFn>(
        reinterpret_cast<void*>(user32 != nullptr ? GetProcAddress(user32, "SetProcessDpiAwarenessContext") : nullptr));
    if (setContext != nullptr && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return;
    SetProcessDPIAware();
}

}  // namespace dd::host
