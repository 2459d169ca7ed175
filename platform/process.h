// Processes of this machine, opened by id, waited for and terminated; POSIX calls only, never a
// shell. A process handle pins the process it was opened on (a pidfd where the kernel has
// them), so a process id reused after the process ended is never signalled by mistake.
#pragma once

#include "handles.h"
#include "wintypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// Access rights of a process handle.
constexpr DWORD PROCESS_TERMINATE = 0x0001;
constexpr DWORD SYNCHRONIZE = 0x00100000;

// Results of WaitForSingleObject; INFINITE waits without a limit.
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFFu;
constexpr DWORD INFINITE = 0xFFFFFFFFu;

// Opens the running process pid with the given rights (SYNCHRONIZE, PROCESS_TERMINATE).
// Returns null on failure: ERROR_INVALID_PARAMETER for pid 0 or a process that does not exist
// or has ended, ERROR_ACCESS_DENIED for PROCESS_TERMINATE on a process we may not signal.
// inherit has no meaning here (handles are never passed to child processes).
HANDLE OpenProcess(DWORD access, BOOL inherit, DWORD pid);

// Waits up to ms milliseconds (INFINITE: without limit) for the process to end.
// WAIT_OBJECT_0 once it has ended (an unreaped child counts as ended), WAIT_TIMEOUT when it
// still runs, WAIT_FAILED with ERROR_INVALID_HANDLE for a handle that is not an open process
// or ERROR_ACCESS_DENIED without SYNCHRONIZE.
DWORD WaitForSingleObject(HANDLE handle, DWORD ms);

// Ends the process at once (SIGKILL); it gets no chance to clean up. exitCode is not carried:
// a killed process reports the signal, not a code. FALSE with ERROR_INVALID_HANDLE for a bad
// handle, ERROR_ACCESS_DENIED without PROCESS_TERMINATE or when the process has already ended.
BOOL TerminateProcess(HANDLE handle, UINT exitCode);

namespace za::process {

// When the process started, in clock ticks since boot; 0 when it does not run. Together with
// the id it names one process even after the id is reused.
std::uint64_t StartTime(DWORD pid);

// Whether pid runs (a zombie does not) and, when startTime is not 0, is the process that
// started then.
bool IsAlive(DWORD pid, std::uint64_t startTime = 0);

// Whether handles opened from now on use pidfds (when the kernel has them). Tests turn them
// off to run the path of kernels without them: polling by id and start time.
void SetPidfdsEnabled(bool enabled);

// Starts program with arguments, detached, never through a shell command line. Its standard
// channels go to the null device, so that it never holds the caller's terminal or pipes (a
// program reading the caller's output to its end would wait for the detached one as well).
bool StartDetached(const QString& program, const QStringList& arguments);

// Makes SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) end the running
// application's event loops, so that the program ends as if it had quit: its windows save their
// settings and the device profile is closed cleanly rather than left to the next start to
// recover. Called once, after the application object exists.
void QuitOnTerminationSignals();

}  // namespace za::process
