// The core library's string table (ids 500 to 524, and 540 and 541 for times the clocks skip or
// repeat; the world-clock additions, 600 to 629, are in worldstrings.h).
#pragma once

#include "wintypes.h"

#include <QString>

namespace za {

// Name of the core library's string table.
inline constexpr const char* kCoreModule = "zalib";

// A text of the core library's table; empty for an unknown id.
QString CoreString(UINT id);
// A text of the core library's table that shows the count n, in the plural form n asks for.
QString CoreString(UINT id, int n);

}  // namespace za
