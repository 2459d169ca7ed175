// The bridge to the Pocket Outlook object: logon, whether the city interface is there, and
// the time-zone table by index. One object per process, reached through GetPOApp().
#pragma once

#include "poutlook.h"
#include "wintypes.h"

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

private:
    BOOL m_bLoggedOn;
    BOOL m_bSupportsICity;
    za::outlook::AppPtr m_app;
};

// The library-wide object; logs on first when it is not logged on (a failed logon is retried
// by the next call).
CPOApp& GetPOApp();
