// `zonaria-cli clock` without Qt, for the common case: a profile that passed its check as it
// is, the five cities found, and a clock cache that holds their zones now and the user's
// formats. Anything else is left to the complete command line, which says what is wrong.
#pragma once

#include <string>

namespace cli::quick {

// The clock's lines, as the complete command line writes them; false to leave it to that one
// (nothing has been written or changed then, except the profile's check record renewed when
// SQLite folded its log on closing).
bool Clock(std::string* out);

}  // namespace cli::quick
