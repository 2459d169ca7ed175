#include "mainview.h"

#include "appmessage.h"
#include "citylist.h"
#include "mainframe.h"
#include "resource.h"
#include "settings.h"
#include "shell.h"
#include "zonariaapp.h"

using namespace za::app;

CMainView::CMainView(CMainFrame& frame) : QWidget(&frame), m_frame(frame) {
    m_selected = static_cast<int>(frame.App().GetSelectedDisplay());
    LoadDisplayedCities();
}

CMainView::~CMainView() = default;

void CMainView::LoadDisplayedCities() {
    CZonariaApp& app = m_frame.App();
    CCityList& list = GetCityList();
    for (int i = 0; i < kDisplays; ++i) {
        CCity& city = m_cities[static_cast<size_t>(i)];
        if (list.LoadCity(app.GetDisplayedCity(i), city)) continue;
        if (!list.BeginLoadCityByIndex()) continue;
        const BOOL loaded = list.LoadCity(0L, city);
        list.EndLoadCityByIndex();
        if (loaded) app.SetDisplayedCity(i, city.Name());
    }
}

const CCity& CMainView::SelectedCity() const { return m_cities[static_cast<size_t>(m_selected)]; }

BOOL CMainView::OnCommand(UINT id) {
    CDialogLauncher& dialogs = m_frame.App().Dialogs();
    switch (id) {
    case ID_ALARMS:
        dialogs.Alarms(&m_frame, SelectedCity());
        return TRUE;
    case ID_DISTANCE_CALC:
        dialogs.DistanceCalculator(&m_frame, SelectedCity(), City(m_selected == 0 ? 1 : 0));
        return TRUE;
    case ID_SUNRISE:
        dialogs.Sunrise(&m_frame, SelectedCity());
        return TRUE;
    case ID_MOONRISE:
        dialogs.Moonrise(&m_frame, SelectedCity());
        return TRUE;
    case ID_SET_TIME:
        dialogs.SetTime(&m_frame);
        return TRUE;
    case ID_EDIT_CITIES:
        dialogs.EditCities(&m_frame);
        LoadDisplayedCities();
        return TRUE;
    case ID_PREFERENCES:
        dialogs.Preferences(&m_frame);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMainView::OnCheckCity() {
    CheckDeviceTimeZone();
    CRegistry& reg = GetReg();
    if (reg.GetDWORDValue(CRegistry::InitialRun) != 0) {
        reg.WriteDWORDValue(CRegistry::InitialRun, 0);
        za::shell::Current().ShowHelp(QString::fromLatin1(kHelpPrefix) + QStringLiteral("welcome"));
    }
    emit cityChecked();
}

void CMainView::CheckDeviceTimeZone() {}

void CMainView::HideTip() {}

void CMainView::ReleaseMapImages() {}

void CMainView::ReloadMapImages() {}

QSize CMainView::sizeHint() const { return QSize(480, 400); }

bool CMainView::event(QEvent* e) {
    if (e->type() == AppMessageEvent::Type()) {
        const auto* msg = static_cast<AppMessageEvent*>(e);
        if (msg->message() == WM_CHECKCITY) OnCheckCity();
        return true;
    }
    return QWidget::event(e);
}
