// The suite's one date-and-time formatter. The message box for unexpected errors is in
// errorbox.h, the probes of the platform in probes.h, the font factory and the image reader
// (which need Qt Gui) in fonts.h.
#pragma once

#include "wintypes.h"

#include <QString>

// What FormatDateAndTime writes, in the user's locale; the time is without seconds.
enum TIME_FMT {
    TF_WEEKDAY_TIME = 0,       // "Sun 7:05 PM"
    TF_WEEKDAY_SHORTDATE = 1,  // "Sun 3/8/26"
    TF_LONGDATE = 2,           // "Sunday, March 8, 2026" (never carries the daylight mark)
    TF_SHORTDATE_TIME = 3,     // "3/8/26 7:05 PM"
    TF_TIME_SHORTDATE = 4,     // "7:05 PM 3/8/26"
    TF_TIME = 5,               // "7:05 PM"
};

// The daylight-time mark, appended when daylight time is in force.
inline constexpr const char16_t* kDaylightMark = u" \u00a4";
// A shown text as a screen reader should say it: the daylight mark in words (", daylight saving
// time"), since "¤" is read out as a currency sign.
QString SpokenText(const QString& shown);

// The date and time in the layout `code` names (a TF_ value), with the daylight mark when
// `daylight` is set; the time is already local. Each part is limited to the handheld's buffer
// for it (16 characters for the weekday and the short date, 32 for the time, 128 for the long
// date, the NUL included). An unknown code gives the empty text, with the mark when daylight
// is set.
QString FormatDateAndTime(const SYSTEMTIME& time, int daylight, int code);
