// The Alarms and Set Alarm dialogs over a real notification store: the proposed time, the
// default message and its box, the past, OK registering the alarm, the list with its delete
// and refresh, and the Alarms dialog that opens Set Alarm when there is no alarm.
#include "alarmsdlg.h"
#include "apptest.h"
#include "citylist.h"
#include "mainframe.h"
#include "resource.h"
#include "setalarmdlg.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace za::app;
using za::test::FixedHostClock;
using za::test::UtcMs;

namespace {

CCity Load(const char* name) {
    CCity city;
    EXPECT_TRUE(GetCityList().LoadCity(QString::fromUtf8(name), city)) << name;
    return city;
}

void SetDeviceZone(int id) {
    CTimeZone zone;
    zone.Load(id);
    ASSERT_TRUE(zone.SetSystemTimeZone());
}

class SetAlarmTest : public za::test::ProfileTest {
protected:
    SetAlarmTest() : host(UtcMs(2026, 7, 1, 1, 37, 0)) {  // 10:37 in Tokyo, 2:37 in London
        SetDeviceZone(85);                                 // London
        EXPECT_TRUE(GetCityList().Open());
    }
    ~SetAlarmTest() override { GetCityList().Close(); }
    FixedHostClock host;
    za::shell::ScopedRecorder shell;
};

}  // namespace

TEST_F(SetAlarmTest, ANewAlarmShowsTheNextHourInItsCityWithTheDefaultMessage) {
    CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
    dlg.show();
    EXPECT_EQ(QTime(11, 0), dlg.TimePicker()->time());
    EXPECT_EQ(QDate(2026, 7, 1), dlg.DatePicker()->date());
    EXPECT_EQ(QStringLiteral("Tokyo"), dlg.Chooser()->City().Name());
    EXPECT_EQ(CDS_CHOOSER, dlg.Chooser()->Options());
    EXPECT_EQ(QStringLiteral("It is 11:00 AM in Tokyo"), dlg.MessageEdit()->toPlainText());
    EXPECT_TRUE(dlg.DefaultMessageBox()->isChecked());
    EXPECT_TRUE(dlg.MessageEdit()->isReadOnly());
    EXPECT_EQ(QStringLiteral("h:mm AP"), dlg.TimePicker()->displayFormat());
    EXPECT_EQ(QStringLiteral("Set Alarm"), dlg.Frame().TitleText());
    for (int id : {IDC_HEADING1, IDC_HEADING2, IDC_ALARM_TIME, IDC_ALARM_DATE, IDC_ALARM_CITY, IDC_ALARM_MESSAGE,
                   IDC_DEFAULT_MESSAGE}) {
        EXPECT_NE(nullptr, GetDlgItem(&dlg, id)) << id;
    }
    za::test::SaveShot(dlg, QStringLiteral("setalarm.png"));
}

TEST_F(SetAlarmTest, TheDefaultMessageFollowsTimeDateAndCityAndStaysWhenTheBoxIsCleared) {
    CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
    dlg.show();
    dlg.TimePicker()->setTime(QTime(7, 15));
    EXPECT_EQ(QStringLiteral("It is 7:15 AM in Tokyo"), dlg.MessageEdit()->toPlainText());
    dlg.DatePicker()->setDate(QDate(2026, 7, 9));
    EXPECT_EQ(QStringLiteral("It is 7:15 AM in Tokyo"), dlg.MessageEdit()->toPlainText());
    // 7:15 in Tokyo is 23:15 the day before in London.
    EXPECT_EQ(8, dlg.Alarm().AlarmTime().wDay);
    EXPECT_EQ(23, dlg.Alarm().AlarmTime().wHour);
    dlg.Chooser()->SetCity(Load("Sydney"));
    CityDisplayNotify n;
    n.sender = dlg.Chooser();
    n.id = IDC_CITY_CHOOSER;
    n.code = CDN_CITYCHANGED;
    emit dlg.Chooser()->notify(n);
    EXPECT_EQ(QStringLiteral("It is 7:15 AM in Sydney"), dlg.MessageEdit()->toPlainText());

    dlg.DefaultMessageBox()->click();
    EXPECT_FALSE(dlg.DefaultMessageBox()->isChecked());
    EXPECT_FALSE(dlg.MessageEdit()->isReadOnly());
    EXPECT_EQ(QStringLiteral("It is 7:15 AM in Sydney"), dlg.MessageEdit()->toPlainText());
    dlg.MessageEdit()->setPlainText(QStringLiteral("Call Grandma"));
    dlg.TimePicker()->setTime(QTime(8, 0));
    EXPECT_EQ(QStringLiteral("Call Grandma"), dlg.MessageEdit()->toPlainText());

    dlg.DefaultMessageBox()->click();
    EXPECT_TRUE(dlg.MessageEdit()->isReadOnly());
    EXPECT_EQ(QStringLiteral("It is 8:00 AM in Sydney"), dlg.MessageEdit()->toPlainText());
    // Checked again, it follows the time although the alarm held the user's text before.
    dlg.TimePicker()->setTime(QTime(8, 30));
    EXPECT_EQ(QStringLiteral("It is 8:30 AM in Sydney"), dlg.MessageEdit()->toPlainText());
}

TEST_F(SetAlarmTest, OkRegistersTheAlarmAndTypingTheDefaultTextCountsAsTheDefault) {
    CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
    dlg.show();
    dlg.DefaultMessageBox()->click();
    dlg.MessageEdit()->setPlainText(QStringLiteral("It is 11:00 AM in Tokyo"));
    dlg.accept();
    EXPECT_EQ(QDialog::Accepted, dlg.result());
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(dlg.Alarm().Handle(), list.GetAt(0)->Handle());
    EXPECT_FALSE(list.GetAt(0)->IsCustomMessage());

    // Opened again: the box is checked, and a later change rewrites the text.
    CSetAlarmDlg again(*list.GetAt(0), nullptr);
    again.show();
    EXPECT_TRUE(again.DefaultMessageBox()->isChecked());
    EXPECT_EQ(QTime(11, 0), again.TimePicker()->time());
    again.TimePicker()->setTime(QTime(12, 0));
    again.accept();
    list.LoadAll();
    ASSERT_EQ(1, list.GetCount());  // the same notification, registered again
    EXPECT_EQ(QStringLiteral("It is 12:00 PM in Tokyo"), list.GetAt(0)->Message());
}

TEST_F(SetAlarmTest, ATimeLessThanASecondAheadIsThePast) {
    struct Case {
        const char* name;
        int answer;
        bool closes;
    } cases[] = {{"OK: corrected in the dialog", IDOK, false}, {"Cancel: the dialog ends", IDCANCEL, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell->Clear();
        host.Set(UtcMs(2026, 7, 1, 2, 0, 0) + 400);  // 11:00:00.4 in Tokyo
        CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
        dlg.show();
        dlg.TimePicker()->setTime(QTime(11, 0));
        dlg.DatePicker()->setDate(QDate(2026, 7, 1));
        shell->ScriptAnswers({c.answer});
        dlg.accept();
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ(QStringLiteral("You selected a date and time that are in the past."), messages[0].text);
        EXPECT_EQ(MB_OKCANCEL | MB_ICONEXCLAMATION, messages[0].type);
        EXPECT_EQ(c.closes, !dlg.isVisible());
        EXPECT_EQ(c.closes ? QDialog::Rejected : 0, dlg.result());
        CAlarmList list;
        list.LoadAll();
        EXPECT_EQ(0, list.GetCount());
    }
}

TEST_F(SetAlarmTest, TheEditMenuActsOnTheMessageOnly) {
    CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QMenu* menu = nullptr;
    for (QToolButton* b : dlg.Frame().CommandBar()->findChildren<QToolButton*>()) {
        if (b->menu()) menu = b->menu();
    }
    ASSERT_NE(nullptr, menu);
    dlg.TimePicker()->setFocus();
    emit menu->aboutToShow();
    for (QAction* a : menu->actions()) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    dlg.OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_FALSE(dlg.MessageEdit()->textCursor().hasSelection());

    dlg.MessageEdit()->setFocus();
    dlg.OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(QStringLiteral("It is 11:00 AM in Tokyo"), dlg.MessageEdit()->textCursor().selectedText());
}

class AlarmListTest : public SetAlarmTest {
protected:
    // Three alarms, at 11:00, 12:00 and 13:00 in Tokyo.
    void MakeAlarms(int n) {
        const CCity tokyo = Load("Tokyo");
        for (int i = 0; i < n; ++i) {
            CAlarm alarm(tokyo);
            alarm.SetTimeAndCity(tokyo, alarm.GetCityLocalTime() + i / 24.0);
            ASSERT_TRUE(alarm.Register());
        }
    }
};

TEST_F(AlarmListTest, RowsShowEachAlarmAndDeletingTheLastSelectsTheNewLast) {
    MakeAlarms(3);
    CAlarmListCtrl list;
    list.resize(300, 300);
    list.Fill(7, true);
    ASSERT_EQ(3, list.count());
    EXPECT_EQ(2, list.currentRow());  // min(7, rows - 1)
    EXPECT_EQ(QStringLiteral("It is 1:00 PM in Tokyo"), list.SelectedAlarm()->Message());
    EXPECT_EQ(list.RowHeight(), list.visualItemRect(list.item(0)).height());

    shell->ScriptAnswers({IDNO});
    list.DeleteSelected();
    EXPECT_EQ(3, list.count());
    ASSERT_EQ(1u, shell->CallsOf(QStringLiteral("message")).size());
    EXPECT_EQ(QStringLiteral("Delete selected alarm?"), shell->CallsOf(QStringLiteral("message"))[0].text);
    EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, shell->CallsOf(QStringLiteral("message"))[0].type);

    shell->ScriptAnswers({IDYES});
    list.DeleteSelected();
    EXPECT_EQ(2, list.count());
    EXPECT_EQ(1, list.currentRow());
    CAlarmList store;
    store.LoadAll();
    EXPECT_EQ(2, store.GetCount());

    // Rung and dismissed elsewhere: gone at the next refresh.
    ASSERT_TRUE(CeClearUserNotification(list.SelectedAlarm()->Handle()));
    list.Refresh();
    EXPECT_EQ(1, list.count());
    EXPECT_EQ(0, list.currentRow());
}

TEST_F(AlarmListTest, DeletingInAnEmptyListDoesNothing) {
    CAlarmListCtrl list;
    list.Fill(0, true);
    EXPECT_EQ(0, list.count());
    list.DeleteSelected();
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
}

TEST_F(AlarmListTest, PropertiesEditTheSameAlarm) {
    MakeAlarms(2);
    CAlarmsDlg dlg(Load("Tokyo"), nullptr);
    dlg.show();
    ASSERT_EQ(2, dlg.List()->count());
    EXPECT_FALSE(dlg.IsBusy());
    dlg.List()->setCurrentRow(1);
    const HANDLE handle = dlg.List()->SelectedAlarm()->Handle();
    QTimer::singleShot(0, [] {
        auto* set = qobject_cast<CSetAlarmDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, set);
        set->TimePicker()->setTime(QTime(15, 45));
        set->accept();
    });
    dlg.OnCommand(ID_ALARM_PROPERTIES);
    EXPECT_EQ(QStringLiteral("It is 3:45 PM in Tokyo"), dlg.List()->item(1)->text());
    CAlarmList store;
    store.LoadAll();
    ASSERT_EQ(2, store.GetCount());
    EXPECT_EQ(handle, store.GetAt(1)->Handle());
    EXPECT_EQ(QStringLiteral("It is 3:45 PM in Tokyo"), store.GetAt(1)->Message());
    dlg.resize(400, 420);
    za::test::SaveShot(dlg, QStringLiteral("alarms.png"));
}

class AlarmsDialogTest : public za::test::AppTest {};

TEST_F(AlarmsDialogTest, WithNoAlarmsItOpensSetAlarmForTheSelectedDisplaysCity) {
    ASSERT_TRUE(Start());
    const QString selected = app->GetDisplayedCity(static_cast<int>(app->GetSelectedDisplay()));
    CAlarmsDlg dlg(CCity(), &Frame(), *app);
    QString shown;
    bool busyMeanwhile = false;
    // Looks every 20 ms: first for Set Alarm (closed as cancelled), then closes Alarms.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* set = qobject_cast<CSetAlarmDlg*>(modal)) {
            shown = set->Chooser()->City().Name();
            busyMeanwhile = dlg.IsBusy();
            set->reject();
        } else if (modal == &dlg && !shown.isEmpty() && !dlg.IsBusy()) {
            dlg.reject();
        }
    });
    watch.start(20);
    QTimer::singleShot(10000, &dlg, [&] { dlg.reject(); });  // a bound, should Set Alarm not come
    dlg.DoModal();
    EXPECT_EQ(selected, shown);
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_FALSE(dlg.IsBusy());
}

// A screen reader flips the box through its toggle action, not a click: the message became
// neither editable nor the default again.
TEST_F(SetAlarmTest, TheDefaultMessageBoxToggledByAScreenReaderActsAsAClick) {
    CSetAlarmDlg dlg(CAlarm(Load("Tokyo")), nullptr);
    dlg.show();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(dlg.DefaultMessageBox());
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->actionInterface(), nullptr);
    ASSERT_TRUE(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(dlg.DefaultMessageBox()->isChecked());
    EXPECT_FALSE(dlg.MessageEdit()->isReadOnly());
    dlg.MessageEdit()->setPlainText(QStringLiteral("Call Grandma"));
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(dlg.DefaultMessageBox()->isChecked());
    EXPECT_TRUE(dlg.MessageEdit()->isReadOnly());
    EXPECT_EQ(QStringLiteral("It is 11:00 AM in Tokyo"), dlg.MessageEdit()->toPlainText());
}

// 2:30 on the night New York's clocks go forward does not exist: the picker keeps what the user
// chose, and the dialog says which time the alarm takes.
TEST_F(SetAlarmTest, ATimeTheCitysClocksSkipIsTakenAsTheTimeAfterTheGapAndSaidSo) {
    CSetAlarmDlg dlg(CAlarm(Load("New York, NY")), nullptr);
    dlg.show();
    EXPECT_TRUE(dlg.TimeNote()->isHidden());
    dlg.DatePicker()->setDate(QDate(2027, 3, 14));
    dlg.TimePicker()->setTime(QTime(2, 30));
    EXPECT_FALSE(dlg.TimeNote()->isHidden());
    EXPECT_TRUE(dlg.TimeNote()->text().contains(QStringLiteral("3:30 AM"))) << dlg.TimeNote()->text().toStdString();
    EXPECT_EQ(UtcMs(2027, 3, 14, 7, 30), dlg.Alarm().DueUtcMs());
    dlg.TimePicker()->setTime(QTime(4, 30));
    EXPECT_TRUE(dlg.TimeNote()->isHidden());
}
