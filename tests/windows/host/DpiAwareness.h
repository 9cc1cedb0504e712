#pragma once

namespace dd::host {

// Makes this process aware of the screen's resolution, as the file manager is: per-monitor (version 2)
// where the system knows it, otherwise system-wide. Without it Windows would tell the plug-in 96 DPI
// whatever the screen's resolution and stretch its windows. Call before any window is made.
void MakeProcessDpiAware() noexcept;

}  // namespace dd::host
