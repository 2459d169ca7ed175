// One place per dialog that the frame, the main view and the city displays open. Each opens
// its dialog modally, owned by the given window and made with the launcher's host, and returns
// how it ended (IDOK or IDCANCEL) where a caller looks at it. Tests install a launcher that
// records the calls instead.
#pragma once

#include "city.h"
#include "host.h"
#include "wintypes.h"

class QWidget;

namespace za::app {

class CDialogLauncher : public CHostDialogs {
public:
    CDialogLauncher();
    ~CDialogLauncher() override;

    // The host the dialogs are made with; NoHost() until the application sets itself.
    void SetHost(CHost& host) { m_host = &host; }

    virtual void Alarms(QWidget* owner, const CCity& selectedCity);
    void SetAlarm(QWidget* owner, const CCity& city) override;
    virtual void AirportCodes(QWidget* owner);
    virtual void PhoneCodes(QWidget* owner);
    virtual void DistanceCalculator(QWidget* owner, const CCity& from, const CCity& to);
    virtual void TimeCalculator(QWidget* owner);
    virtual void MeetingPlanner(QWidget* owner);
    void Sunrise(QWidget* owner, const CCity& city) override;
    void Moonrise(QWidget* owner, const CCity& city) override;
    virtual int SetTime(QWidget* owner);
    virtual int EditCities(QWidget* owner);
    virtual int Preferences(QWidget* owner);
    int EditCity(QWidget* owner, CCity& city, bool isNew) override;
    virtual void About(QWidget* owner);

private:
    CHost* m_host;
};

}  // namespace za::app
