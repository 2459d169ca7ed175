#include "dialoglauncher.h"

#include "alarm.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/distancecalcdlg.h"
#include "dialogs/moonrisedlg.h"
#include "dialogs/preferencesdlg.h"
#include "dialogs/sunrisedlg.h"
#include "dialogs/timecalcdlg.h"
#include "dialogs/meetingplannerdlg.h"
#include "dialogs/citiesdlg.h"
#include "dialogs/cityeditor.h"
#include "dialogs/citylistdlg.h"
#include "dialogs/settimedlg.h"
#include "dialogs/alarmsdlg.h"
#include "dialogs/setalarmdlg.h"
#include "host.h"
#include "shell.h"

namespace za::app {

CDialogLauncher::CDialogLauncher() : m_host(&NoHost()) {}

CDialogLauncher::~CDialogLauncher() = default;

void CDialogLauncher::Alarms(QWidget* owner, const CCity& selectedCity) {
    za::app::CAlarmsDlg dlg(selectedCity, owner, *m_host);
    dlg.DoModal();
}

void CDialogLauncher::SetAlarm(QWidget* owner, const CCity& city) {
    za::app::CSetAlarmDlg dlg(CAlarm(city), owner, *m_host);
    dlg.DoModal();
}

void CDialogLauncher::AirportCodes(QWidget* owner) {
    za::app::CAirportCodesDlg dlg(owner);
    dlg.DoModal();
}

void CDialogLauncher::PhoneCodes(QWidget* owner) {
    za::app::CPhoneCodesDlg dlg(owner);
    dlg.DoModal();
}

void CDialogLauncher::DistanceCalculator(QWidget* owner, const CCity& from, const CCity& to) {
    za::app::CDistanceCalcDlg(from, to, owner, *m_host).DoModal();
}

void CDialogLauncher::TimeCalculator(QWidget* owner) { za::app::CTimeCalcDlg(owner, *m_host).DoModal(); }

void CDialogLauncher::MeetingPlanner(QWidget* owner) { za::app::CMeetingPlannerDlg(owner, *m_host).DoModal(); }

void CDialogLauncher::Sunrise(QWidget* owner, const CCity& city) { za::app::CSunriseDlg(city, owner, *m_host).DoModal(); }

void CDialogLauncher::Moonrise(QWidget* owner, const CCity& city) { za::app::CMoonriseDlg(city, owner, *m_host).DoModal(); }

int CDialogLauncher::SetTime(QWidget* owner) {
    za::app::CSetTimeDlg dlg(owner);
    return dlg.DoModal();
}

int CDialogLauncher::EditCities(QWidget* owner) {
    za::app::CCitiesDlg dlg(owner, nullptr, *m_host);
    return dlg.DoModal();
}

int CDialogLauncher::Preferences(QWidget* owner) { return za::app::CPreferencesDlg(owner, *m_host).DoModal(); }

int CDialogLauncher::EditCity(QWidget* owner, CCity& city, bool isNew) {
    return za::app::EditCityProperties(owner, city, isNew, *m_host);
}

void CDialogLauncher::About(QWidget* owner) {
    CAboutDlg dlg(owner);
    dlg.exec();
}

}  // namespace za::app
