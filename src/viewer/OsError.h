#pragma once

#include "dictionary/Error.h"

namespace dd {

// The error of a failed Windows call, from its last-error code: "System Error.  Code: %d.\r\n%s" with
// the system's text for the code, or "A call to an OS function failed" when the call left no code.
Error LastOsError();

}  // namespace dd
