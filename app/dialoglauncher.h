// One place per dialog that the frame, the main view and the city displays open. Each opens
// its dialog modally, owned by the given window, and returns how it ended (IDOK or IDCANCEL)
// where a caller looks at it. Tests install a launcher that records the calls instead.
#pragma once

#include "city.h"
#include "wintypes.h"

class QWidget;

class CDialogLauncher {
public:
    virtual ~CDialogLauncher();

    virtual void Alarms(QWidget* owner, const CCity& selectedCity);
    virtual void SetAlarm(QWidget* owner, const CCity& city);
    virtual void AirportCodes(QWidget* owner);
    virtual void PhoneCodes(QWidget* owner);
    virtual void DistanceCalculator(QWidget* owner, const CCity& from, const CCity& to);
    virtual void TimeCalculator(QWidget* owner);
    virtual void MeetingPlanner(QWidget* owner);
    virtual void Sunrise(QWidget* owner, const CCity& city);
    virtual void Moonrise(QWidget* owner, const CCity& city);
    virtual int SetTime(QWidget* owner);
    virtual int EditCities(QWidget* owner);
    virtual int Preferences(QWidget* owner);
    // The city editor on city; isNew for a city that is not in the database yet. On IDOK the
    // city holds what was saved.
    virtual int EditCity(QWidget* owner, CCity& city, bool isNew);
    virtual void About(QWidget* owner);
};
