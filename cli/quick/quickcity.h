// `zonaria-cli city NAME` without Qt, for the common case: a shipped city asked by its name (any
// ASCII case), in a profile that passed its check as it is, with a city cache that holds the
// user's texts and the city's zone for the coming year. Anything else is left to the complete
// command line: another spelling, a city of the user's own, a day the clocks change at
// midnight.
#pragma once

#include <string>

namespace cli::quick {

// The city's lines, as the complete command line writes them; false to leave it to that one.
bool City(const std::string& name, std::string* out);

}  // namespace cli::quick
