#include "viewer/ModuleInstance.h"

namespace dd {
namespace {

HINSTANCE moduleInstance = nullptr;

}  // namespace

HINSTANCE ModuleInstance() noexcept { return moduleInstance != nullptr ? moduleInstance : GetModuleHandleW(nullptr); }

void SetModuleInstance(HINSTANCE instance) noexcept { moduleInstance = instance; }

}  // namespace dd
