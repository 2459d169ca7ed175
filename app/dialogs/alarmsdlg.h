// The Alarms dialog: the program's alarms, read from the notification store, with New,
// Properties and Delete on its command bar. With no alarm at all it goes straight to Set Alarm
// for the selected display's city.
#pragma once

#include "alarmlistctrl.h"
#include "city.h"
#include "dialogframe.h"
#include "host.h"

namespace za::app {

class CAlarmsDlg : public CBaseDialog {
    Q_OBJECT

public:
    // selectedCity: the selected display's city, for a new alarm when there is no application
    // object to ask.
    CAlarmsDlg(const CCity& selectedCity, QWidget* parent, CHost& host = NoHost());

    BOOL OnCommand(UINT id) override;
    CAlarmListCtrl* List() const { return m_list; }
    bool IsBusy() const { return m_busy; }

    // New: a Set Alarm dialog on a new alarm for the selected display's city, then the list
    // read again whatever it ended with.
    void OnNewAlarm();
    // Properties: Set Alarm on a copy of the selected alarm, kept when it ends with OK.
    void OnProperties();
    void OnDelete();

protected:
    BOOL OnInitDialog() override;
    void changeEvent(QEvent* e) override;

private:
    CCity SelectedDisplayCity() const;

    CHost& m_host;
    CCity m_selectedCity;
    CAlarmListCtrl* m_list;
    bool m_busy = true;  // from construction to the end of the start
};

}  // namespace za::app
