#pragma once

#include <windows.h>

namespace dd {

// The module whose window classes and windows the viewer makes: the plug-in's own DLL, set from its
// DllMain; the executable when nothing set it.
HINSTANCE ModuleInstance() noexcept;
void SetModuleInstance(HINSTANCE instance) noexcept;

}  // namespace dd
