// The application's string table, looked up by number.
#pragma once

#include "wintypes.h"

#include <QString>

namespace za::app {

inline constexpr const char* kAppModule = "Zonaria";

// A text of the application's table; empty for an unknown id.
QString AppString(UINT id);

// "The change could not be saved: " and why the profile refused the last write, in the user's
// words ("The profile is read-only", "The disk is full", or the profile's own problem).
QString RefusedWriteText();

}  // namespace za::app
