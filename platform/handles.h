// One table of every open platform handle in this process, so that one CloseHandle serves
// record databases, processes and whatever else hands out a HANDLE. Each kind keeps its own
// state; the table only knows how to close a handle and whether it is open.
#pragma once

#include "wintypes.h"

#include <functional>

namespace za::handles {

// Registers h as open; close runs once, when CloseHandle(h) closes it. h must be unique among
// open handles and neither null nor INVALID_HANDLE_VALUE.
void Add(HANDLE h, std::function<void()> close);

// Forgets h without running its close function (its owner released it some other way).
// Returns false when h was not open.
bool Remove(HANDLE h);

// Forgets h and runs its close function. Returns false when h was not open. The close
// function runs outside the table's lock, so it may open or close other handles.
bool Close(HANDLE h);

bool IsOpen(HANDLE h);

}  // namespace za::handles

// Closes any open handle. FALSE with ERROR_INVALID_HANDLE for a handle that is not open
// (closed already, never opened, null or INVALID_HANDLE_VALUE).
BOOL CloseHandle(HANDLE handle);
