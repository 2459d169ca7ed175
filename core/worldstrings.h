// Ids of the core library's texts for clock changes, offsets, the meeting planner and the
// points overhead (core/worldstrings.cpp).
#pragma once

#include "wintypes.h"

#include <QString>

namespace za {

inline constexpr UINT IDS_CLOCKS_FORWARD = 540;
inline constexpr UINT IDS_CLOCKS_BACK = 541;
inline constexpr UINT IDS_ONE_HOUR = 542;
inline constexpr UINT IDS_N_HOURS = 543;
inline constexpr UINT IDS_N_MIN = 544;
inline constexpr UINT IDS_HOURS_AND_MIN = 545;
inline constexpr UINT IDS_OFFSET_HOURS = 546;
inline constexpr UINT IDS_OFFSET_HOURS_MIN = 547;
inline constexpr UINT IDS_YESTERDAY = 548;
inline constexpr UINT IDS_TOMORROW = 549;
inline constexpr UINT IDS_SUN_OVERHEAD = 550;
inline constexpr UINT IDS_MOON_OVERHEAD = 551;
inline constexpr UINT IDS_DEGREES_N = 552;
inline constexpr UINT IDS_DEGREES_S = 553;
inline constexpr UINT IDS_DEGREES_E = 554;
inline constexpr UINT IDS_DEGREES_W = 555;
inline constexpr UINT IDS_NO_COMMON_HOURS = 556;
inline constexpr UINT IDS_COMMON_HOURS = 557;
inline constexpr UINT IDS_HOUR_IN_CITY = 558;
inline constexpr UINT IDS_IS_TIME_IN_CITY = 559;
inline constexpr UINT IDS_INSIDE_WORKING_HOURS = 560;
inline constexpr UINT IDS_OUTSIDE_WORKING_HOURS = 561;
inline constexpr UINT IDS_MOON_LIT = 562;
inline constexpr UINT IDS_OFFSET_MIN = 563;

// A text of these ids (the core library's table).
QString WorldString(UINT id);

}  // namespace za
