// Small probes of the platform the handheld's code asked: the input panel, the platform type,
// ClearType, and the scale of the handheld's point sizes on this desktop.
#pragma once

#include "shell.h"
#include "wintypes.h"

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
