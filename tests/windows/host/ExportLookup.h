#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace dd::host {

// An export of the plug-in by name, or 0 when it has none.
template <typename Fn>
Fn OptionalExport(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// An export the plug-in must have: std::runtime_error when it has not.
template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    const Fn address = OptionalExport<Fn>(module, name);
    if (address == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
    return address;
}

}  // namespace dd::host
