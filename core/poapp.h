// The bridge to the Pocket Outlook object: logon, whether the city interface is there, and
// the time-zone table by index. One object per process, reached through GetPOApp().
#pragma once

#include "poutlook.h"
#include "wintypes.h"

#include <QString>

class CCity;

class CPOApp {
public:
    CPOApp();
    CPOApp(const CPOApp& other) = default;
    CPOApp& operator=(const CPOApp& other) = default;
    virtual ~CPOApp();

    BOOL Logon();
    BOOL Logoff();
    BOOL IsLoggedOn() const { return m_bLoggedOn; }
    BOOL SupportsICity() const { return m_bSupportsICity; }
    // Zeroes all 172 bytes of tzi, then asks Outlook for zone `id`. FALSE (tzi all zero) on
    // any failure, including Outlook being absent.
    BOOL GetTZIFromID(long id, TIME_ZONE_INFORMATION* tzi);
    // The records of zone `id` for every year, of which GetTZIFromID gives the device year's.
    // FALSE (rules null) on any failure, and for an Outlook that keeps one record per zone.
    BOOL GetTZRulesFromID(long id, za::tz::YearlyRulesPtr* rules);

    // The device's home and visiting city and which one is current (index 0 = home). FALSE
    // without the city interface, or when Outlook has no such city.
    BOOL GetHomeCity(QString& name);
    BOOL GetVisitingCity(QString& name);
    BOOL GetCurrentCityAndTZID(QString& name, int* tzID);
    // Makes the city Outlook's home (or visiting) city and the current one: closes the Clock
    // program first, reuses the item of that name and zone, else rewrites the zone of the item
    // of that name, else adds an item with all eight fields. The device clock is not touched.
    BOOL SetTimeZoneCity(const CCity& city, BOOL home);
    // For devices without the city interface: writes the city's zone into the Clock program's
    // settings ("\Software\Microsoft\Clock"): GMT_OFFSET, HomeDST and TZIndex for the home
    // city, and the home or visiting words of AppInfo. Does nothing when the key is missing.
    static void WriteClockRegistryInfo(const CCity& city, BOOL home);
    // For the installation: adds the city to the cities folder and makes it the home city and
    // the current one.
    BOOL AddHomeCity(const CCity& city);

private:
    BOOL GetCityName(BOOL home, QString& name);

    BOOL m_bLoggedOn;
    BOOL m_bSupportsICity;
    za::outlook::AppPtr m_app;
};

// Closes the Clock program (a top-level window of class "Dialog" titled "Clock"): asks every
// window of its process to close, waits up to 2000 ms, then terminates it. TRUE when no Clock
// runs or it has ended; FALSE when its process cannot be opened or terminated.
BOOL KillClock();

// The library-wide object; logs on first when it is not logged on (a failed logon is retried
// by the next call).
CPOApp& GetPOApp();
