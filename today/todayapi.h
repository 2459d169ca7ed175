// The Today screen's item interface, shared by the Today host and its plug-ins: the item
// record, the messages the host sends an item, and the plug-in's entry points, which a plug-in
// exports under these plain C names. The host asks the interface version first and loads no
// plug-in of another version.
#pragma once

#include "wintypes.h"
#include "window.h"

#include <cstdint>

#include <QEvent>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// The record of one item, as the host read it from the item's key.
struct TODAYLISTITEM {
    QString szName;          // the item key's name, e.g. "\"Zonaria\""
    DWORD grfFlags = 0;
    BOOL fEnabled = TRUE;    // the key's "Enabled"
    DWORD cyp = 0;           // the item's height in pixels; 0 until the item gives it
    QString szDLLPath;       // the plug-in's file
    QWidget* hwndCustom = nullptr;
};

// Messages from the host to an item's window.
constexpr UINT WM_TODAYCUSTOM_CLEARCACHE = WM_USER + 242;
constexpr UINT WM_TODAYCUSTOM_QUERYREFRESHCACHE = WM_USER + 243;
// From an item to the host: paint the background of this part of the item.
constexpr UINT TODAYM_DRAWWATERMARK = WM_USER + 100;

// What the item asks the host to paint with TODAYM_DRAWWATERMARK.
struct TODAYDRAWWATERMARKINFO {
    QPainter* painter;
    QRect rc;
    QWidget* hwnd;
};

// A message to a window in the same process, sent (not posted): the receiver sets result.
class TodayMessageEvent : public QEvent {
public:
    // One number for host and plug-ins alike, whichever library registers first.
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x0242);

    TodayMessageEvent(UINT msg, WPARAM wParam, void* lParam) : QEvent(kType), message(msg), wParam(wParam), lParam(lParam) {}
    UINT message;
    WPARAM wParam;
    void* lParam;
    std::intptr_t result = 0;
};

// The interface version a host and a plug-in must agree on.
constexpr int kTodayInterfaceVersion = 1;

extern "C" {
using TodayInterfaceVersionFn = int (*)();
// The item's window as a child of parent, or null (not enabled, or it could not start).
using InitializeCustomItemFn = QWidget* (*)(TODAYLISTITEM* item, QWidget* parent);
// Runs the item's options dialog; IDOK or IDCANCEL.
using CustomItemOptionsDlgProcFn = int (*)(QWidget* parent, TODAYLISTITEM* item);
}

inline constexpr const char* kTodayVersionSymbol = "TodayInterfaceVersion";
inline constexpr const char* kInitializeCustomItemSymbol = "InitializeCustomItem";
inline constexpr const char* kCustomItemOptionsSymbol = "CustomItemOptionsDlgProc";
