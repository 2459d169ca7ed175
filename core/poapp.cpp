#include "poapp.h"

#include <cstring>

namespace {

constexpr const char16_t* kProgId = u"PocketOutlook.Application";

// Every failing Outlook call, or a missing object, leaves the operation through this
// exception; the guard around each operation turns it into FALSE.
struct OutlookFailure {
    HRESULT hr;
};

void Check(HRESULT hr) {
    if (hr < 0) throw OutlookFailure{hr};
}

template <typename T>
void CheckPtr(const T& ptr) {
    if (!ptr) throw OutlookFailure{E_FAIL};
}

template <typename Fn>
BOOL Guard(Fn&& fn) {
    try {
        return fn();
    } catch (const OutlookFailure&) {
        return FALSE;
    }
}

}  // namespace

CPOApp::CPOApp() : m_bLoggedOn(FALSE), m_bSupportsICity(FALSE) {}

CPOApp::~CPOApp() { Logoff(); }

BOOL CPOApp::Logon() {
    return Guard([this]() -> BOOL {
        if (m_bLoggedOn) return TRUE;
        if (!m_app) {
            za::outlook::AppPtr app;
            if (za::outlook::CreateApplication(QString::fromUtf16(kProgId), &app) < 0 || !app) {
                throw OutlookFailure{E_FAIL};
            }
            m_app = app;
        }
        // There is no main window of ours to hand over at this level. A refused logon releases
        // the object, like every reference taken before a failure, so the next try starts anew.
        const HRESULT hr = m_app->Logon(0);
        if (hr < 0) {
            m_app.reset();
            throw OutlookFailure{hr};
        }
        m_bLoggedOn = TRUE;
        long index = 0;
        m_bSupportsICity = m_app->get_CurrentCityIndex(&index) >= 0;
        return TRUE;
    });
}

BOOL CPOApp::Logoff() {
    return Guard([this]() -> BOOL {
        if (!m_bLoggedOn) return TRUE;
        CheckPtr(m_app);
        Check(m_app->Logoff());
        m_bLoggedOn = FALSE;
        // The city interface is known only while logged on.
        m_bSupportsICity = FALSE;
        m_app.reset();
        return TRUE;
    });
}

BOOL CPOApp::GetTZIFromID(long id, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return FALSE;
    std::memset(tzi, 0, sizeof *tzi);
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        const HRESULT hr = m_app->GetTimeZoneInformationFromIndex(id, tzi);
        if (hr < 0) {
            std::memset(tzi, 0, sizeof *tzi);
            throw OutlookFailure{hr};
        }
        return TRUE;
    });
}

CPOApp& GetPOApp() {
    static CPOApp app;
    if (!app.IsLoggedOn()) app.Logon();
    return app;
}
