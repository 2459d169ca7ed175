#include "dialoglauncher.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/citiesdlg.h"
#include "dialogs/cityeditor.h"
#include "dialogs/citylistdlg.h"
#include "shell.h"

// Dialogs that are not built yet open nothing and end as cancelled.

CDialogLauncher::~CDialogLauncher() = default;

void CDialogLauncher::Alarms(QWidget*, const CCity&) {}

void CDialogLauncher::SetAlarm(QWidget*, const CCity&) {}

void CDialogLauncher::AirportCodes(QWidget* owner) {
    za::app::CAirportCodesDlg dlg(owner);
    dlg.DoModal();
}

void CDialogLauncher::PhoneCodes(QWidget* owner) {
    za::app::CPhoneCodesDlg dlg(owner);
    dlg.DoModal();
}

void CDialogLauncher::DistanceCalculator(QWidget*, const CCity&, const CCity&) {}

void CDialogLauncher::TimeCalculator(QWidget*) {}

void CDialogLauncher::Sunrise(QWidget*, const CCity&) {}

void CDialogLauncher::Moonrise(QWidget*, const CCity&) {}

int CDialogLauncher::SetTime(QWidget*) { return IDCANCEL; }

int CDialogLauncher::EditCities(QWidget* owner) {
    za::app::CCitiesDlg dlg(owner);
    return dlg.DoModal();
}

int CDialogLauncher::Preferences(QWidget*) { return IDCANCEL; }

int CDialogLauncher::EditCity(QWidget* owner, CCity& city, bool isNew) {
    return za::app::EditCityProperties(owner, city, isNew);
}

void CDialogLauncher::About(QWidget* owner) {
    CAboutDlg dlg(owner);
    dlg.exec();
}
