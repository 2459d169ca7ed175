#include "zonariaapp.h"

#include "appstrings.h"
#include "citylist.h"
#include "device.h"
#include "format.h"
#include "images.h"
#include "mainframe.h"
#include "resource.h"
#include "settings.h"
#include "shell.h"
#include "window.h"
#include "stringtable.h"
#include "today.h"

#include <QApplication>
#include <QFont>

using namespace za::app;

namespace {

CZonariaApp*& Instance() {
    static CZonariaApp* app = nullptr;
    return app;
}

}  // namespace

CZonariaApp* GetZonariaApp() { return Instance(); }

void za::app::SetUpApplication() {
    QApplication::setApplicationName(AppString(IDR_MAINFRAME));
    QApplication::setApplicationVersion(QStringLiteral("2.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zonaria"));
    za::SetResourceModule(kAppModule, AppString(IDR_MAINFRAME));
    AdoptDesktopFont(QApplication::font());
    UseStyleWithPngImages();
}

CZonariaApp::CZonariaApp() : m_dialogs(std::make_unique<CDialogLauncher>()) { Instance() = this; }

CZonariaApp::~CZonariaApp() {
    DestroyMainFrame();
    if (Instance() == this) Instance() = nullptr;
}

BOOL CZonariaApp::InitInstance() {
    auto& shell = za::shell::Current();
    shell.SetWaitCursor(true);
    CCityList& cities = GetCityList();
    if (!cities.Open()) {
        // A profile that cannot be used is the likely cause: say which and why after the
        // message, so the user knows where to look.
        QString text = AppString(IDS_CANNOT_OPEN_DB);
        const za::device::ProfileStatus profile = za::device::Status();
        if (profile.state != za::device::ProfileState::Ready && !profile.message.isEmpty()) {
            text += QStringLiteral("\n\n") + za::FormatString(AppString(IDS_PROFILE_DAMAGED), {profile.folder, profile.message});
        }
        EZError(text, 0, MB_OK | MB_ICONSTOP);
        shell.SetWaitCursor(false);
        return FALSE;
    }
    cities.LoadCityNames();
    ReadDisplayedCities();
    m_frame = new CMainFrame(*this);
    m_frame->ShowAtStart();
    shell.SetWaitCursor(false);
    return TRUE;
}

void CZonariaApp::ReadDisplayedCities() {
    CRegistry& reg = GetReg();
    reg.Open();
    for (int i = 0; i < kDisplays; ++i) {
        m_names[static_cast<size_t>(i)] = reg.GetStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + i));
    }
    m_selected = reg.GetDWORDValue(CRegistry::CityX);
    if (m_selected >= static_cast<DWORD>(kDisplays)) {
        // Only an edit from outside can store this; display 0 is always there.
        m_selected = 0;
        reg.WriteDWORDValue(CRegistry::CityX, 0);
    }
    reg.Close();
}

int CZonariaApp::ExitInstance() {
    DestroyMainFrame();
    GetCityList().Close();
    return 0;
}

void CZonariaApp::DestroyMainFrame() {
    delete m_frame;
    m_frame = nullptr;
}

void CZonariaApp::SetDialogs(std::unique_ptr<CDialogLauncher> dialogs) {
    m_dialogs = dialogs ? std::move(dialogs) : std::make_unique<CDialogLauncher>();
}

QString CZonariaApp::GetDisplayedCity(int i) const {
    if (i < 0 || i >= kDisplays) return QString();
    return m_names[static_cast<size_t>(i)];
}

void CZonariaApp::SetDisplayedCity(int i, const QString& name) {
    if (i < 0 || i >= kDisplays) return;
    m_names[static_cast<size_t>(i)] = name;
    GetReg().WriteStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + i), name);
    NotifyToday(0);
}

BOOL CZonariaApp::IsCityDisplayed(const QString& name) const {
    for (const QString& shown : m_names) {
        if (shown == name) return TRUE;
    }
    return FALSE;
}

void CZonariaApp::SetSelectedDisplay(DWORD i) {
    m_selected = i;
    GetReg().WriteDWORDValue(CRegistry::CityX, i);
    NotifyToday(0);
}

void CZonariaApp::NotifyToday(int mode) {
    if (mode == 1) {
        za::BroadcastTodayItemsChanged();
        return;
    }
    if (m_todayMessage == 0) m_todayMessage = za::TodayUpdateMessage();
    // Nothing is posted while no item runs; a post to an item that went away just fails.
    za::PostTodayUpdate(m_todayMessage);
}

BOOL CZonariaApp::OnCommand(UINT id) {
    QWidget* owner = m_frame;
    switch (id) {
    case ID_AIRPORT_CODES:
        m_dialogs->AirportCodes(owner);
        return TRUE;
    case ID_PHONE_CODES:
        m_dialogs->PhoneCodes(owner);
        return TRUE;
    case ID_TIME_CALC:
        m_dialogs->TimeCalculator(owner);
        return TRUE;
    case ID_MEETING_PLANNER:
        m_dialogs->MeetingPlanner(owner);
        return TRUE;
    case ID_APP_ABOUT:
        m_dialogs->About(owner);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL ActivateRunningInstance() {
    const HWND running = FindWindowW(QString::fromLatin1(kFrameWindowClass), QString());
    if (!running) return FALSE;
    return PostMessageW(running, WM_BRINGTOFRONT, 0, 0);
}
