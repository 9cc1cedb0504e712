#pragma once

#include <cstddef>
#include <cstdint>

namespace dd::test {

// What a process keeps, watched from inside it where Wine counts nothing (GetGuiResources answers 0
// there and there is no handle count).

// The process's private bytes (its committed memory; Wine reports it as the page-file usage).
size_t PrivateBytes();

// The highest value that fresh kernel handles get: handles never closed keep their slots, so after
// a leak fresh ones land ever higher.
uintptr_t ProbeHandles();

// The highest table slot that fresh GDI objects get, for the same reason.
unsigned ProbeGdi();

}  // namespace dd::test
