#pragma once

#include <windows.h>

namespace dd {

// Registers the viewer's window class of this name for the module the first time it is asked for;
// later calls only return the name. Fails with the system's error when the registration fails.
const wchar_t* RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, int windowExtraBytes, HBRUSH background);

// Unregisters every class registered above, so that an unloaded plug-in leaves no class that
// points into its code. Classes whose windows still exist stay registered.
void UnregisterWindowClasses() noexcept;

}  // namespace dd
