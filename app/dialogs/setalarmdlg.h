// The Set Alarm dialog: the time and the day of an alarm in a city's local time, the city, and
// the message, which follows the default text ("It is 7:00 AM in Tokyo") while "Default
// Message" is checked. OK registers the alarm with the notification store.
#pragma once

#include "alarm.h"
#include "citydisplay.h"
#include "dialogframe.h"
#include "host.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QTimeEdit;

namespace za::app {

class CSetAlarmDlg : public CBaseDialog {
    Q_OBJECT

public:
    CSetAlarmDlg(const CAlarm& alarm, QWidget* parent, CHost& host = NoHost());

    // The working copy: after OK, the alarm as registered.
    const CAlarm& Alarm() const { return m_alarm; }
    BOOL OnCommand(UINT id) override;

    QTimeEdit* TimePicker() const { return m_time; }
    QDateEdit* DatePicker() const { return m_date; }
    QPlainTextEdit* MessageEdit() const { return m_message; }
    QCheckBox* DefaultMessageBox() const { return m_default; }
    CCityDisplay* Chooser() const { return m_chooser; }
    // How a time the city's clocks skip or repeat is taken; empty and hidden otherwise.
    QLabel* TimeNote() const { return m_note; }
    // The date of the date picker with the time of day of the time picker, in the city's time.
    DATE ReadControls() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnTimeOrCityChanged();
    void OnDefaultMessageClicked();
    void UpdateEditMenu();
    void ShowNote(const QString& note);

    CAlarm m_alarm;
    QTimeEdit* m_time;
    QDateEdit* m_date;
    QLabel* m_cityPlace;
    CCityDisplay* m_chooser;
    QPlainTextEdit* m_message;
    QCheckBox* m_default;
    QLabel* m_note;
};

}  // namespace za::app
