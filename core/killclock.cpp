#include "poapp.h"

#include "handles.h"
#include "process.h"
#include "window.h"

BOOL KillClock() {
    const HWND clock = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    if (!clock) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(clock, &pid);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    if (!process || process == INVALID_HANDLE_VALUE) return FALSE;
    // Every top-level window of the program is asked to close, as closing it by hand would.
    EnumWindows([pid](HWND window) -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid) PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    });
    BOOL ended = WaitForSingleObject(process, 2000) == WAIT_OBJECT_0;
    if (!ended) ended = TerminateProcess(process, 0);
    CloseHandle(process);
    return ended;
}
