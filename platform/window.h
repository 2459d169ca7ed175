// Top-level windows that other processes can find and post messages to. A window here is not
// something on screen: it is a registration in device.db (class, title, owning process) plus a
// handler that this process runs for the messages posted to it. Messages travel to the owning
// process through its endpoint, a local socket named after the profile and the process id, and
// are handled on that process's event loop, later, never inside PostMessageW.
//
// Windows of a process that has ended are not found and are removed at the next look.
// All calls are made from the thread that runs the event loop (the user-interface thread).
#pragma once

#include "wintypes.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <utility>

// Names one window of the profile; null = none. Ids are never reused within a profile.
struct HWND__;
using HWND = HWND__*;

constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SETTINGCHANGE = 0x001A;
// Posted to every window after the device clock was set (SetSystemTime).
constexpr UINT WM_TIMECHANGE = 0x001E;
constexpr UINT WM_USER = 0x0400;

// Posting to this handle reaches every top-level window of every running process.
inline HWND const HWND_BROADCAST = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xFFFF));

// Runs in the owning process for each message posted to the window.
using WindowHandler = std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)>;

// Registers a top-level window of this process; a QCoreApplication must exist and its event
// loop delivers the messages. Returns null on failure: ERROR_BADDB when the profile cannot be
// used, ERROR_ACCESS_DENIED when the endpoint cannot listen, ERROR_INVALID_PARAMETER without
// an application object or a handler.
HWND CreatePlatformWindow(const QString& className, const QString& title, WindowHandler handler);

// Removes a window of this process; messages still on their way to it are dropped. FALSE with
// ERROR_INVALID_WINDOW_HANDLE for a window that is not one of this process's.
BOOL DestroyPlatformWindow(HWND hwnd);

// The first window, newest first, whose class and title equal the given ones without regard
// to case; an empty class or title matches any. Null when none matches (ERROR_SUCCESS) or the
// profile cannot be used (ERROR_BADDB).
HWND FindWindowW(const QString& className, const QString& title);

// The id of the thread that created the window, and in *processId (when given) its process.
// 0 with ERROR_INVALID_WINDOW_HANDLE for a window that does not exist.
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);

// Calls fn with each top-level window of every running process, newest first, until fn
// returns FALSE. Returns FALSE when fn stopped the walk or the profile cannot be used.
BOOL EnumWindows(const std::function<BOOL(HWND)>& fn);

// Queues a message for the window's handler and returns at once. FALSE with
// ERROR_INVALID_WINDOW_HANDLE when the window does not exist or its process has ended.
// HWND_BROADCAST posts to every live window (TRUE even when there is none; windows whose
// process is gone are skipped).
BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The message number of a name, the same in every process of the profile for as long as the
// profile lives: 0xC000 to 0xFFFF, the first name registered taking 0xC000. Names compare
// without regard to case. 0 for an empty name, when all numbers are taken, or when the profile
// cannot be used (ERROR_BADDB).
UINT RegisterWindowMessageW(const QString& name);

namespace za {

// Owns a window of this process: destroys it when it goes out of scope. Move-only.
class PlatformWindow {
public:
    PlatformWindow(const QString& className, const QString& title, WindowHandler handler)
        : m_hwnd(CreatePlatformWindow(className, title, std::move(handler))) {}
    ~PlatformWindow() {
        if (m_hwnd) DestroyPlatformWindow(m_hwnd);
    }
    PlatformWindow(PlatformWindow&& other) noexcept : m_hwnd(other.m_hwnd) { other.m_hwnd = nullptr; }
    PlatformWindow& operator=(PlatformWindow&& other) noexcept {
        if (this != &other) {
            if (m_hwnd) DestroyPlatformWindow(m_hwnd);
            m_hwnd = other.m_hwnd;
            other.m_hwnd = nullptr;
        }
        return *this;
    }
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    // Null when the window could not be created (GetLastError says why).
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

}  // namespace za
