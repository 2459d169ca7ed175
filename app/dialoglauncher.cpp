#include "dialoglauncher.h"

#include "alarm.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/alarmsdlg.h"
#include "dialogs/setalarmdlg.h"
#include "shell.h"

// Dialogs that are not built yet open nothing and end as cancelled.

CDialogLauncher::~CDialogLauncher() = default;

void CDialogLauncher::Alarms(QWidget* owner, const CCity& selectedCity) {
    za::app::CAlarmsDlg dlg(selectedCity, owner);
    dlg.DoModal();
}

void CDialogLauncher::SetAlarm(QWidget* owner, const CCity& city) {
    za::app::CSetAlarmDlg dlg(CAlarm(city), owner);
    dlg.DoModal();
}

void CDialogLauncher::AirportCodes(QWidget*) {}

void CDialogLauncher::PhoneCodes(QWidget*) {}

void CDialogLauncher::DistanceCalculator(QWidget*, const CCity&, const CCity&) {}

void CDialogLauncher::TimeCalculator(QWidget*) {}

void CDialogLauncher::Sunrise(QWidget*, const CCity&) {}

void CDialogLauncher::Moonrise(QWidget*, const CCity&) {}

int CDialogLauncher::SetTime(QWidget*) { return IDCANCEL; }

int CDialogLauncher::EditCities(QWidget*) { return IDCANCEL; }

int CDialogLauncher::Preferences(QWidget*) { return IDCANCEL; }

int CDialogLauncher::EditCity(QWidget*, CCity&, bool) { return IDCANCEL; }

void CDialogLauncher::About(QWidget* owner) {
    CAboutDlg dlg(owner);
    dlg.exec();
}
