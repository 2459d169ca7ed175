// Ids of the core library's texts for clock changes, offsets, the meeting planner and the
// points overhead (core/worldstrings.cpp).
#pragma once

#include "wintypes.h"

#include <QString>

namespace za {

inline constexpr UINT IDS_CLOCKS_FORWARD = 600;
inline constexpr UINT IDS_CLOCKS_BACK = 601;
inline constexpr UINT IDS_ONE_HOUR = 602;
inline constexpr UINT IDS_N_HOURS = 603;
inline constexpr UINT IDS_N_MIN = 604;
inline constexpr UINT IDS_HOURS_AND_MIN = 605;
inline constexpr UINT IDS_OFFSET_HOURS = 606;
inline constexpr UINT IDS_OFFSET_HOURS_MIN = 607;
inline constexpr UINT IDS_YESTERDAY = 608;
inline constexpr UINT IDS_TOMORROW = 609;
inline constexpr UINT IDS_SUN_OVERHEAD = 610;
inline constexpr UINT IDS_MOON_OVERHEAD = 611;
inline constexpr UINT IDS_DEGREES_N = 612;
inline constexpr UINT IDS_DEGREES_S = 613;
inline constexpr UINT IDS_DEGREES_E = 614;
inline constexpr UINT IDS_DEGREES_W = 615;
inline constexpr UINT IDS_NO_COMMON_HOURS = 616;
inline constexpr UINT IDS_COMMON_HOURS = 617;
inline constexpr UINT IDS_HOUR_IN_CITY = 618;
inline constexpr UINT IDS_IS_TIME_IN_CITY = 619;
inline constexpr UINT IDS_INSIDE_WORKING_HOURS = 620;
inline constexpr UINT IDS_OUTSIDE_WORKING_HOURS = 621;
inline constexpr UINT IDS_MOON_LIT = 622;
inline constexpr UINT IDS_OFFSET_MIN = 623;

// A text of these ids (the core library's table).
QString WorldString(UINT id);

}  // namespace za
