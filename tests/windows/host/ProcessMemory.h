#pragma once

#include <cstddef>

namespace dd::host {

// The process's private bytes (its committed memory; Wine reports it as the page-file usage).
size_t PrivateBytes();

}  // namespace dd::host
