// The application's string table, looked up by number.
#pragma once

#include "wintypes.h"

#include <QString>

namespace za::app {

inline constexpr const char* kAppModule = "Zonaria";

// A text of the application's table; empty for an unknown id.
QString AppString(UINT id);

}  // namespace za::app
