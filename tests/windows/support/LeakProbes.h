#pragma once

#include <cstddef>
#include <cstdint>

#include "windows/host/ProcessMemory.h"

namespace dd::test {

// What a process keeps, watched from inside it where Wine counts nothing (GetGuiResources answers 0
// there and there is no handle count).

// The process's private bytes.
using host::PrivateBytes;

// The highest value that fresh kernel handles get: handles never closed keep their slots, so after
// a leak fresh ones land ever higher.
uintptr_t ProbeHandles();

// The highest table slot that fresh GDI objects get, for the same reason.
unsigned ProbeGdi();

}  // namespace dd::test
