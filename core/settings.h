// The settings store: every user setting of the suite is a named value under one registry
// key, "\Software\Corvantel\Zonaria" under HKEY_LOCAL_MACHINE, with a built-in default for a
// value that is absent. One object per process, reached through GetReg().
#pragma once

#include "registry.h"
#include "wintypes.h"

#include <QString>

class CRegistry {
public:
    // The settings, named after their registry values; City0 to City4 are consecutive so that
    // City0 + i names the i-th city slot.
    enum ValueName {
        DBPath,
        City0,
        City1,
        City2,
        City3,
        City4,
        CityX,
        InitialRun,
        AlarmOptions,
        AlarmSound,
        UnitSystem,
        Twilight,
        CCButton,
        CPButton,
        ZAReserved,
        ZATodayCount,
    };

    CRegistry();
    CRegistry(const CRegistry& other) = default;
    CRegistry& operator=(const CRegistry& other) = default;
    virtual ~CRegistry() = default;

    // Opens the key (never creating it) unless already open, and counts the nesting.
    BOOL Open();
    // Undoes one Open; the outermost Close flushes the key if anything was written, then
    // closes it. FALSE when closing fails (the key stays open) or nothing is open.
    BOOL Close();

    // The stored value, or the default of the setting when the key or value is missing.
    QString GetStringValue(ValueName name);
    // "ZATodayCount" above 5 reads as 5.
    DWORD GetDWORDValue(ValueName name);
    // Dropped when the key is missing; LastWriteResult() then tells why.
    void WriteStringValue(ValueName name, const QString& text);
    void WriteDWORDValue(ValueName name, DWORD value);
    // The result of the last write: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND when the key could not
    // be opened, or the error of the registry (ERROR_ACCESS_DENIED for a profile that is
    // read-only, ERROR_DISK_FULL, ERROR_BADDB).
    LONG LastWriteResult() const { return m_lastWrite; }

    int OpenCount() const { return m_nOpen; }

private:
    static QString ValueNameFromEnum(ValueName name);

    int m_nOpen;
    BOOL m_bDirty;
    HKEY m_hKey;
    LONG m_lastWrite = ERROR_SUCCESS;
};

// The library-wide settings object.
CRegistry& GetReg();

// "--no sound--" stays itself; any other sound name becomes "\windows\<name>.wav".
QString GetWavPath(const QString& soundName);
