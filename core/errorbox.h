// The message box for unexpected errors, shown through the program's shell.
#pragma once

#include "shell.h"
#include "wintypes.h"

#include <QString>

// Shows "Unexpected Error" (id 0) or the text of string `id`, adding "\ncode: <hex>" for a
// failure code (hr < 0), in a message box of the given type. Returns after the user closes it.
void EZError(UINT id = 0, HRESULT hr = 0, UINT type = MB_OK | MB_ICONEXCLAMATION);
void EZError(const QString& text, HRESULT hr = 0, UINT type = MB_OK | MB_ICONEXCLAMATION);
