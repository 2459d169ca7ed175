// The suite's one date-and-time formatter, the message box for unexpected errors, and small
// probes of the platform (input panel, platform type, ClearType) with a font factory.
#pragma once

#include "shell.h"
#include "wintypes.h"

#include <QFont>
#include <QImage>
#include <QString>

class QPaintDevice;

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

// time is already local. Each part is limited to the handheld's buffer for it (16 characters
// for the weekday and the short date, 32 for the time, 128 for the long date, the NUL
// included). An unknown code gives the empty text, with the mark when daylight is set.
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
// A font of `size` tenths of a point, bold on request, antialiased when ClearType is on.
// dc, when given, is the device the font is for; Qt scales point sizes itself.
BOOL CreatePointFont(QFont& font, int size, const QString& face, QPaintDevice* dc = nullptr, BOOL bold = FALSE);
// Every size CreatePointFont makes is multiplied by this (1 unless set): a desktop whose own
// interface font is larger than the handheld's 8 points gets the handheld's texts as much
// larger. Values outside 0.5 to 4 are ignored.
void SetPointFontScale(double scale);
double PointFontScale();
// The handheld's interface font ("Tahoma", 8 points) becomes the desktop's: its family stands
// in for Tahoma and its size sets the point-font scale. For every window program at start.
void AdoptDesktopFont(const QFont& desktop);
// The PNG image in file (usually a resource), read as PNG and nothing else: a reader allowed
// to find the format from the contents first loads every image plug-in to ask it, which costs
// a window's start tens of milliseconds. A null image when the file is missing or not a PNG.
QImage ReadPng(const QString& file);
