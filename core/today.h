// The link to the Today item: where its key lies, the message that tells it to reload, and the
// broadcast that tells the Today screen its set of items changed. The application and
// zonaria-cli both tell the item when the displayed cities change.
#pragma once

#include "wintypes.h"

#include <QString>

namespace za {

// Under HKEY_LOCAL_MACHINE: the Today screen's items, and Zonaria's (the quotes belong to the
// key's name). "DLL" names the plug-in (a bare file name is looked for beside the Today
// host), "Enabled" shows (1) or hides (0) it.
inline const QString kTodayItemsKey = QStringLiteral("SOFTWARE\\Microsoft\\Today\\Items");
inline const QString kZonariaTodayKey = QStringLiteral("SOFTWARE\\Microsoft\\Today\\Items\\\"Zonaria\"");
// The plug-in's file name as the installation records it.
inline const QString kTodayPlugin = QStringLiteral("libzatoday.so");

// The Today screen's program (the Today host), beside the running program, and the class of its
// window.
inline constexpr const char* kTodayHostProgram = "zonaria-today";
inline constexpr const char* kTodayHostWindowClass = "ZonariaTodayHost";

// The registered message "WM_UPDATE_ZATODAY"; 0 when the profile cannot be used.
UINT TodayUpdateMessage();
// Posts message (wParam 0, lParam 0) to the window the running item published in
// "ZAReserved"; FALSE when no item runs (the setting is 0) or the post failed.
BOOL PostTodayUpdate(UINT message);
// The system's setting-change message with wParam 0xF2 to every window.
BOOL BroadcastTodayItemsChanged();

// The desktop's side of the item's "Enabled": the Today screen is a program of its own here,
// started with the session only for a user who turned the item on. On: writes the user's
// autostart entry for it and starts it unless its window exists in the profile. Off: removes
// the entry (a running Today screen drops the item when told that the items changed).
// FALSE when the entry could not be written or removed, or the program could not be started.
BOOL SetTodayScreenStarted(bool on);

}  // namespace za
