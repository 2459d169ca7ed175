// The cities the five displays show until the user chooses others (the settings "City0" to
// "City4" when absent). Without Qt, so that zonaria-cli's own clock reads the settings as the
// core library does.
#pragma once

namespace za {

inline constexpr const char16_t* kDefaultDisplayCities[5] = {u"San Francisco, CA", u"Chicago, IL", u"New York, NY",
                                                             u"London", u"Tokyo"};

}  // namespace za
