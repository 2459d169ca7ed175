#include "dialoglauncher.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/settimedlg.h"
#include "shell.h"

// Dialogs that are not built yet open nothing and end as cancelled.

CDialogLauncher::~CDialogLauncher() = default;

void CDialogLauncher::Alarms(QWidget*, const CCity&) {}

void CDialogLauncher::SetAlarm(QWidget*, const CCity&) {}

void CDialogLauncher::AirportCodes(QWidget*) {}

void CDialogLauncher::PhoneCodes(QWidget*) {}

void CDialogLauncher::DistanceCalculator(QWidget*, const CCity&, const CCity&) {}

void CDialogLauncher::TimeCalculator(QWidget*) {}

void CDialogLauncher::Sunrise(QWidget*, const CCity&) {}

void CDialogLauncher::Moonrise(QWidget*, const CCity&) {}

int CDialogLauncher::SetTime(QWidget* owner) {
    za::app::CSetTimeDlg dlg(owner);
    return dlg.DoModal();
}

int CDialogLauncher::EditCities(QWidget*) { return IDCANCEL; }

int CDialogLauncher::Preferences(QWidget*) { return IDCANCEL; }

int CDialogLauncher::EditCity(QWidget*, CCity&, bool) { return IDCANCEL; }

void CDialogLauncher::About(QWidget* owner) {
    CAboutDlg dlg(owner);
    dlg.exec();
}
