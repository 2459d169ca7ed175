// The device registry: keys under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER holding REG_SZ,
// REG_DWORD and REG_BINARY values, kept in device.db. Key paths use backslashes (a leading one
// is allowed); key and value names compare without regard to case. The calls keep the
// handheld's contracts: an error code (ERROR_SUCCESS = 0) and sizes in bytes.
#pragma once

#include "wintypes.h"

#include <QString>

struct RegKey;
using HKEY = RegKey*;

extern const HKEY HKEY_LOCAL_MACHINE;
extern const HKEY HKEY_CURRENT_USER;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Limits of this registry: longer names or data are refused with ERROR_INVALID_PARAMETER.
constexpr int kRegMaxNameLength = 255;       // characters of one key component or value name
constexpr DWORD kRegMaxDataSize = 64 * 1024;  // bytes of one value

// Opens an existing key. Fails with ERROR_FILE_NOT_FOUND when it does not exist and with
// ERROR_BADDB when the device profile cannot be used (za::device::LastError() says why).
LONG RegOpenKeyExW(HKEY root, const QString& subKey, DWORD options, DWORD samDesired, HKEY* result);
// Opens a key, creating it and its missing parents.
LONG RegCreateKeyExW(HKEY root, const QString& subKey, DWORD reserved, const QString& className,
                     DWORD options, DWORD samDesired, void* security, HKEY* result,
                     DWORD* disposition);
// Without data: *cbData receives the size. With data: copies when *cbData is large enough,
// else ERROR_MORE_DATA with the size needed in *cbData. type may be null.
LONG RegQueryValueExW(HKEY key, const QString& valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* cbData);
// REG_DWORD takes exactly 4 bytes; REG_SZ an even number of bytes (UTF-16, NUL included).
// Writes to a profile that cannot be written fail with ERROR_ACCESS_DENIED.
LONG RegSetValueExW(HKEY key, const QString& valueName, DWORD reserved, DWORD type,
                    const BYTE* data, DWORD cbData);
LONG RegDeleteValueW(HKEY key, const QString& valueName);
// A REG_SZ value as text, and a REG_DWORD value: FALSE when the value is missing or of
// another type (the output is then left as it was).
BOOL RegQueryString(HKEY key, const QString& valueName, QString* text);
BOOL RegQueryDword(HKEY key, const QString& valueName, DWORD* value);
// The name of the index-th direct subkey of key (a root or an open key), in the order of the
// names without regard to case; ERROR_NO_MORE_ITEMS past the last.
LONG RegEnumKeyExW(HKEY key, DWORD index, QString* name);
// Deletes a key with its values and subkeys.
LONG RegDeleteKeyW(HKEY root, const QString& subKey);
// Every write is committed durably when it returns; a flush also folds the write-ahead log
// into the database file.
LONG RegFlushKey(HKEY key);
LONG RegCloseKey(HKEY key);

// Flushes done by this process: a diagnostic that lets tests see when settings are flushed.
DWORD RegFlushCount();
