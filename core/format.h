// The suite's one date-and-time formatter, the message box for unexpected errors, and small
// probes of the platform (input panel, platform type, ClearType). The font factory and the
// image reader, which need Qt Gui, are in fonts.h.
#pragma once

#include "shell.h"
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

// Shows "Unexpected Error" (id 0) or the text of string `id`, adding "\ncode: <hex>" for a
// failure code (hr < 0), in a message box of the given type. Returns after the user closes it.
void EZError(UINT id = 0, HRESULT hr = 0, UINT type = MB_OK | MB_ICONEXCLAMATION);
void EZError(const QString& text, HRESULT hr = 0, UINT type = MB_OK | MB_ICONEXCLAMATION);

// The input panel: *shown receives whether it is up; *rect the visible desktop, 26 pixels
// shorter at the bottom when the panel is down. Outputs are untouched when the platform call
// fails. On the desktop there is no panel: it always reads as down.
BOOL SIP_Info(BOOL* shown, RECT* rect, long param = 0);
// FALSE only on a platform reporting "Palm PC2".
BOOL IsPocketPC2002();
// HKCU "\Software\Microsoft\Shell" "ClearType" = 1, read once per process.
BOOL IsClearTypeEnabled();
// Every size CreatePointFont makes is multiplied by this (1 unless set): a desktop whose own
// interface font is larger than the handheld's 8 points gets the handheld's texts as much
// larger. Values outside 0.5 to 4 are ignored.
void SetPointFontScale(double scale);
double PointFontScale();
