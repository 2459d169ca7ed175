#include "zonariaapp.h"

#include "appmessage.h"
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
#include <QMenuBar>
#include <QToolBar>

namespace za::app {

void SetUpApplication() {
    QApplication::setApplicationName(AppString(IDR_MAINFRAME));
    QApplication::setApplicationVersion(QStringLiteral(ZONARIA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("zonaria"));
    za::SetResourceModule(kAppModule, AppString(IDR_MAINFRAME));
    AdoptDesktopFont(QApplication::font());
    UseStyleWithPngImages();
}

CZonariaApp::CZonariaApp() { SetDialogs(nullptr); }

CZonariaApp::~CZonariaApp() { DestroyMainFrame(); }

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
    m_displayed = za::DisplayedCities::Read();
    // The window shows display 0 selected for a "CityX" from outside, and keeps it so.
    if (!m_displayed.SelectionWasValid()) GetReg().WriteDWORDValue(CRegistry::CityX, 0);
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
    m_dialogs->SetHost(*this);
}

const CCity* CZonariaApp::ShownCity(int i) const {
    if (!m_frame || i < 0 || i >= za::kDisplays) return nullptr;
    return &m_frame->View().City(i);
}

void CZonariaApp::CancelMode() {
    if (m_frame) PostAppMessage(m_frame, WM_CANCELMODE);
}

void CZonariaApp::EnableCommandBars(bool enable) {
    if (!m_frame) return;
    m_frame->menuBar()->setEnabled(enable);
    if (m_frame->ToolBar()) m_frame->ToolBar()->setEnabled(enable);
}

void CZonariaApp::NotifyToday(int mode) {
    if (mode == 1) {
        za::BroadcastTodayItemsChanged();
        return;
    }
    za::NotifyTodayOfDisplayedCities();
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

}  // namespace za::app
