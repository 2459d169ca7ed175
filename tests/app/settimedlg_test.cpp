// The Set Time dialog: OK and its question, the pickers following the clock until the user
// works with them, and Sync against a real NTP server, a dead one and a slow one, with the
// dialog's event loop running while the exchange waits.
#include "settimedlg.h"

#include "appstrings.h"
#include "apptest.h"
#include "clock.h"
#include "dialoglauncher.h"
#include "ntpservers.h"
#include "oledate.h"
#include "profile.h"
#include "resource.h"
#include "shell.h"
#include "sntp.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <chrono>
#include <ostream>
#include <thread>

// Dates and times in failure messages as text.
void PrintTo(const QDateTime& t, std::ostream* os) { *os << qPrintable(t.toString(Qt::ISODate)); }
void PrintTo(const QDate& d, std::ostream* os) { *os << qPrintable(d.toString(Qt::ISODate)); }
void PrintTo(const QTime& t, std::ostream* os) { *os << qPrintable(t.toString(Qt::ISODate)); }

using namespace za::app;
using za::test::Bytes;
using za::test::FixedHostClock;
using za::test::UtcMs;

namespace {

constexpr std::int64_t kHourMs = 3600 * 1000;

struct Controls {
    QTimeEdit* time;
    QDateEdit* date;
    QComboBox* server;
    QPushButton* sync;
    QPushButton* ok;
    QPushButton* cancel;
};

Controls ControlsOf(CSetTimeDlg& dlg) {
    return {qobject_cast<QTimeEdit*>(GetDlgItem(&dlg, IDC_TIME_PICKER)),
            qobject_cast<QDateEdit*>(GetDlgItem(&dlg, IDC_DATE_PICKER)),
            qobject_cast<QComboBox*>(GetDlgItem(&dlg, IDC_SNTP_SERVER)),
            qobject_cast<QPushButton*>(GetDlgItem(&dlg, IDC_SYNC)),
            dlg.Buttons()->button(QDialogButtonBox::Ok),
            dlg.Buttons()->button(QDialogButtonBox::Cancel)};
}

QDateTime LocalNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return QDateTime(QDate(st.wYear, st.wMonth, st.wDay), QTime(st.wHour, st.wMinute, st.wSecond), Qt::UTC);
}

QDateTime Shown(const Controls& c) { return QDateTime(c.date->date(), c.time->time(), Qt::UTC); }

// Moves the device clock to the host's time plus deltaMs.
void SetDeviceAhead(std::int64_t hostMs, std::int64_t deltaMs) {
    const std::int64_t target = hostMs + deltaMs;
    SYSTEMTIME st{};
    ASSERT_TRUE(za::SecondsToSystemTime(target / 1000, &st));
    st.wMilliseconds = static_cast<WORD>(target % 1000);
    ASSERT_TRUE(SetSystemTime(&st));
}

class SetTimeDlgTest : public za::test::ProfileTest {
protected:
    // Shows the dialog and makes it the active window, so that its pickers can have the focus.
    static void Open(CSetTimeDlg& dlg) {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    // What a user does to the time picker: focus it and step its hour.
    static void StepHour(const Controls& c) {
        c.time->setFocus();
        c.time->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClick(c.time, Qt::Key_Up);
    }
    std::vector<za::shell::RecordingShell::Call> Messages() { return shell->CallsOf(QStringLiteral("message")); }

    za::shell::ScopedRecorder shell;
};

}  // namespace

TEST_F(SetTimeDlgTest, OkWithoutChangesEndsWithoutAQuestionAndWritesNothing) {
    FixedHostClock host(UtcMs(2026, 7, 4, 10));
    const std::int64_t before = za::device::NowUtcMs();
    CSetTimeDlg dlg(nullptr);
    const Controls c = ControlsOf(dlg);
    QTimer::singleShot(0, &dlg, [&] {
        c.time->setFocus();  // the focus alone is no change
        c.ok->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(za::device::NowUtcMs(), before);
}

TEST_F(SetTimeDlgTest, AChangeAsksToSaveAndYesSetsTheClockToThePickers) {
    const struct Row {
        const char* name;
        int answer;
        int result;  // 0: the dialog is still open
        bool clockSet;
    } rows[] = {
        {"Yes saves and ends with OK", IDYES, IDOK, true},
        {"No ends as cancelled and writes nothing", IDNO, IDCANCEL, false},
        {"Cancel keeps the dialog open", IDCANCEL, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixedHostClock host(UtcMs(2026, 7, 4, 10));
        SetDeviceAhead(UtcMs(2026, 7, 4, 10), 0);
        const std::int64_t before = za::device::NowUtcMs();
        shell->Clear();
        shell->ScriptAnswers({row.answer});
        CSetTimeDlg dlg(nullptr);
        const Controls c = ControlsOf(dlg);
        QDateTime picked;
        bool openAfterOk = false;
        QTimer::singleShot(0, &dlg, [&] {
            dlg.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
            StepHour(c);
            c.date->setFocus();
            c.date->setDate(QDate(2026, 12, 24));
            picked = Shown(c);
            c.ok->click();
            openAfterOk = dlg.isVisible();
            if (openAfterOk) c.cancel->click();
        });
        const int result = dlg.DoModal();
        EXPECT_EQ(openAfterOk, row.result == 0);
        EXPECT_EQ(result, row.result == 0 ? IDCANCEL : row.result);

        const auto asked = Messages();
        ASSERT_EQ(asked.size(), 1u) << "one question, and Cancel afterwards asks nothing";
        EXPECT_EQ(asked[0].text, QStringLiteral("Save changes to the time and date settings?"));
        EXPECT_EQ(asked[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (row.clockSet) {
            // The pickers hold local time; read back through the device zone it is the same.
            EXPECT_EQ(LocalNow(), picked);
            EXPECT_EQ(picked.date(), QDate(2026, 12, 24));
        } else {
            EXPECT_EQ(za::device::NowUtcMs(), before);
        }
    }
}

TEST_F(SetTimeDlgTest, PickersFollowTheClockUntilFocusedOrChanged) {
    FixedHostClock host(UtcMs(2026, 7, 4, 10));
    CSetTimeDlg dlg(nullptr);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    EXPECT_EQ(Shown(c), LocalNow());
    EXPECT_NE(QApplication::focusWidget(), c.time);
    EXPECT_NE(QApplication::focusWidget(), c.date);

    // The one-second timer runs by itself.
    host.Set(UtcMs(2026, 7, 4, 10, 0, 7));
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.time->time() == LocalNow().time(); }, 3000));

    // A focused picker holds its value; the other one still follows.
    c.time->setFocus();
    ASSERT_TRUE(c.time->hasFocus());
    const QTime held = c.time->time();
    host.Set(UtcMs(2026, 7, 5, 11, 30));
    dlg.OnTimer(IDT_TIME_TICK);
    dlg.OnTimer(IDT_DATE_TICK);
    EXPECT_EQ(c.time->time(), held);
    EXPECT_EQ(c.date->date(), LocalNow().date());
    EXPECT_FALSE(dlg.IsModified()) << "the focus alone changes nothing";

    c.date->setFocus();
    const QDate heldDate = c.date->date();
    host.Set(UtcMs(2026, 7, 9, 12, 45));
    dlg.OnTimer(IDT_TIME_TICK);
    dlg.OnTimer(IDT_DATE_TICK);
    EXPECT_EQ(c.time->time(), LocalNow().time());
    EXPECT_EQ(c.date->date(), heldDate);

    // Once the user changed one, neither follows, wherever the focus goes.
    StepHour(c);
    EXPECT_TRUE(dlg.IsModified());
    c.server->setFocus();
    const QDateTime edited = Shown(c);
    host.Set(UtcMs(2026, 8, 1, 8));
    dlg.OnTimer(IDT_TIME_TICK);
    dlg.OnTimer(IDT_DATE_TICK);
    EXPECT_EQ(Shown(c), edited);
}

TEST_F(SetTimeDlgTest, ClosingTheCalendarCountsAsAChange) {
    FixedHostClock host(UtcMs(2026, 7, 4, 10));
    CSetTimeDlg dlg(nullptr);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    const QDate shown = c.date->date();
    c.server->setFocus();
    // The drop-down arrow at the picker's right end.
    QTest::mouseClick(c.date, Qt::LeftButton, {}, QPoint(c.date->width() - 6, c.date->height() / 2));
    QWidget* calendar = c.date->calendarWidget()->window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calendar->isVisible(); }, 2000));
    EXPECT_FALSE(dlg.IsModified());
    calendar->close();  // dismissed without picking a day
    EXPECT_EQ(c.date->date(), shown);
    EXPECT_TRUE(dlg.IsModified());
}

// chronyd serves the host's clock; the device runs three hours ahead and the user has moved a
// picker. One Sync puts the device back on the host's time and the pickers on the new local
// time, and the dialog forgets the change.
TEST_F(SetTimeDlgTest, SyncWithARealServerSetsTheClockAndResetsThePickers) {
    za::test::ChronyServer chrony;
    if (!chrony.Running()) GTEST_SKIP() << "no NTP server to test against: " << chrony.Why().toStdString();
    SetDeviceAhead(QDateTime::currentMSecsSinceEpoch(), 3 * kHourMs);
    CSetTimeDlg dlg(nullptr);
    dlg.SetSntpPort(chrony.Port());
    dlg.SetSntpTimeout(2000);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    EXPECT_EQ(c.server->currentText(), QString::fromLatin1(kSntpServers[0]));
    EXPECT_EQ(c.server->count(), 13);
    StepHour(c);
    ASSERT_TRUE(dlg.IsModified());
    c.server->setEditText(QStringLiteral("127.0.0.1"));

    QTest::mouseClick(c.sync, Qt::LeftButton);

    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Time settings were synchronized to server successfully."));
    EXPECT_EQ(messages[0].type, MB_OK | MB_ICONINFORMATION);
    EXPECT_NEAR(0.0, double(za::device::NowUtcMs() - QDateTime::currentMSecsSinceEpoch()), 50.0);
    EXPECT_LE(std::abs(Shown(c).secsTo(LocalNow())), 2);
    EXPECT_FALSE(dlg.IsModified());
    const auto wait = shell->CallsOf(QStringLiteral("wait"));
    ASSERT_EQ(wait.size(), 2u);
    EXPECT_EQ(wait[0].text, QStringLiteral("on"));
    EXPECT_EQ(wait[1].text, QStringLiteral("off"));

    // Nothing is left to save: OK asks nothing.
    c.ok->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(SetTimeDlgTest, FailedSyncSaysSoAndLeavesTheClockAndTheChange) {
    za::test::HostileServer silent([](const Bytes&) { return std::optional<Bytes>(); });
    ASSERT_TRUE(silent.Ok());
    const struct Row {
        const char* name;
        QString server;
        unsigned short port;
        int timeoutMs;
    } rows[] = {
        {"nothing listens on the port", QStringLiteral("127.0.0.1"), za::test::FreeUdpPort(), 2000},
        {"the server stays silent past a 200 ms time-out", QStringLiteral("127.0.0.1"), silent.Port(), 200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixedHostClock host(UtcMs(2026, 7, 4, 10));
        SetDeviceAhead(UtcMs(2026, 7, 4, 10), 3 * kHourMs);
        const std::int64_t before = za::device::NowUtcMs();
        shell->Clear();
        CSetTimeDlg dlg(nullptr);
        dlg.SetSntpPort(row.port);
        dlg.SetSntpTimeout(row.timeoutMs);
        Open(dlg);
        const Controls c = ControlsOf(dlg);
        StepHour(c);
        const QDateTime edited = Shown(c);
        c.server->setEditText(row.server);

        QTest::mouseClick(c.sync, Qt::LeftButton);

        const auto messages = Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Unable to synchronize time to server.  Make sure this device is "
                                                   "connected to the internet, or try another SNTP server."));
        EXPECT_EQ(messages[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(za::device::NowUtcMs(), before);
        EXPECT_TRUE(dlg.IsModified());
        EXPECT_EQ(Shown(c), edited);
        EXPECT_TRUE(c.sync->isEnabled());
        EXPECT_TRUE(c.ok->isEnabled());
    }
}

// Every bad server name was answered with "connected to the internet", after the name
// service's time-outs.
TEST_F(SetTimeDlgTest, AServerNameThatDoesNotExistIsSaidSo) {
    CSetTimeDlg dlg(nullptr);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    c.server->setEditText(QStringLiteral("pool ntp org"));
    QTest::mouseClick(c.sync, Qt::LeftButton);
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("The SNTP server \"pool ntp org\" was not found.  Check its name, or "
                                               "choose another SNTP server."));
}

// A reply decades away moved the device clock at once, and every pending alarm rang as missed.
TEST_F(SetTimeDlgTest, AClockMoreThanADayAwayIsOnlyTakenWhenTheUserSaysSo) {
    constexpr std::int64_t kFortyYears = std::int64_t{40} * 36525 * 864;  // seconds
    za::test::HostileServer far([](const Bytes& request) {
        return std::optional<Bytes>(za::test::ServerReply(request, kFortyYears));
    });
    ASSERT_TRUE(far.Ok());
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        shell->Clear();
        shell->ScriptAnswers({answer});
        const std::int64_t before = za::device::NowUtcMs();
        CSetTimeDlg dlg(nullptr);
        dlg.SetSntpPort(far.Port());
        dlg.SetSntpTimeout(2000);
        Open(dlg);
        const Controls c = ControlsOf(dlg);
        c.server->setEditText(QStringLiteral("127.0.0.1"));
        QTest::mouseClick(c.sync, Qt::LeftButton);
        const auto messages = Messages();
        ASSERT_GE(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("The time server's clock is 40 years away from this device's clock.  "
                                                   "Set this device's clock to it anyway?"));
        EXPECT_EQ(messages[0].type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
        const double moved = double(za::device::NowUtcMs() - before) / 1000.0;
        if (answer == IDNO) {
            EXPECT_LT(moved, 60.0);
            EXPECT_EQ(1u, messages.size());
        } else {
            EXPECT_NEAR(double(kFortyYears), moved, 60.0);
        }
        SetDeviceAhead(QDateTime::currentMSecsSinceEpoch(), 0);
    }
}

// A server that answers after half a second. Meanwhile the dialog's events run, Sync and the
// dialog's buttons are disabled, OK, Cancel and a second Sync start nothing, and the wait
// cursor is up.
TEST_F(SetTimeDlgTest, DialogStaysResponsiveWhileTheExchangeRuns) {
    FixedHostClock host(UtcMs(2026, 7, 4, 10));
    const std::int64_t before = za::device::NowUtcMs();
    za::test::HostileServer slow([](const Bytes& request) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return std::optional<Bytes>(za::test::ServerReply(request, 3600));
    });
    ASSERT_TRUE(slow.Ok());
    CSetTimeDlg dlg(nullptr);
    dlg.SetSntpPort(slow.Port());
    dlg.SetSntpTimeout(5000);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    c.server->setEditText(QStringLiteral("127.0.0.1"));

    int ticks = 0, locked = 0, paints = 0;
    bool waitCursor = true;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* n) : count(n) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*count;
            return false;
        }
    } counter(&paints);
    dlg.installEventFilter(&counter);
    QTimer probe;
    probe.setInterval(50);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ++ticks;
        if (!c.sync->isEnabled() && !c.ok->isEnabled() && !c.cancel->isEnabled() && dlg.IsSyncing()) ++locked;
        const auto wait = shell->CallsOf(QStringLiteral("wait"));
        waitCursor = waitCursor && !wait.empty() && wait.back().text == QStringLiteral("on");
        dlg.update();
        if (ticks == 2) {
            dlg.accept();
            dlg.reject();
            dlg.OnSync();
        }
    });
    probe.start();
    QTest::mouseClick(c.sync, Qt::LeftButton);
    probe.stop();

    EXPECT_GE(ticks, 3) << "the event loop ran while the exchange waited";
    EXPECT_EQ(locked, ticks);
    EXPECT_GE(paints, 1);
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(dlg.isVisible()) << "OK and Cancel did nothing meanwhile";
    EXPECT_EQ(slow.Requests(), 1);
    EXPECT_TRUE(c.sync->isEnabled());
    EXPECT_FALSE(dlg.IsSyncing());
    // The server's clock is an hour ahead.
    EXPECT_NEAR(double(before + kHourMs), double(za::device::NowUtcMs()), 1.0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, AppString(IDS_SYNC_DONE));
}

TEST_F(SetTimeDlgTest, LayoutNamesEveryControlAndKeepsThemApart) {
    FixedHostClock host(UtcMs(2026, 3, 8, 19, 5, 42));
    CSetTimeDlg dlg(nullptr);
    Open(dlg);
    const Controls c = ControlsOf(dlg);
    EXPECT_EQ(dlg.Frame().TitleText(), QStringLiteral("Set Time"));
    EXPECT_EQ(dlg.Frame().HelpRequest(), QStringLiteral("file:Zonaria.htm#set_time"));
    EXPECT_EQ(c.time->accessibleName(), QStringLiteral("Time"));
    EXPECT_EQ(c.date->accessibleName(), QStringLiteral("Date"));
    EXPECT_EQ(c.server->accessibleName(), QStringLiteral("Server"));
    EXPECT_EQ(c.sync->text(), QStringLiteral("Sync"));
    EXPECT_TRUE(c.date->calendarPopup());
    auto* first = qobject_cast<QLabel*>(GetDlgItem(&dlg, IDC_HEADING1));
    auto* second = qobject_cast<QLabel*>(GetDlgItem(&dlg, IDC_HEADING2));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), QStringLiteral("Time and Date Settings"));
    EXPECT_EQ(second->text(), QStringLiteral("Synchronize to Internet Time"));
    EXPECT_EQ(first->font().weight(), QFont::Bold);

    // en_US: the time with its seconds, the short date with the whole year; the device's own
    // time, 19:05:42 UTC in the tests' Los Angeles on daylight time.
    EXPECT_EQ(c.time->text().remove(QChar(0x202F)).remove(QLatin1Char(' ')), QStringLiteral("12:05:42PM"));
    EXPECT_EQ(c.date->text(), QStringLiteral("3/8/2026"));

    // Every control lies inside the dialog, below the title band, and none overlaps another.
    const QList<QWidget*> controls = {first, c.time, c.date, second, c.server, c.sync, c.ok, c.cancel};
    for (int i = 0; i < controls.size(); ++i) {
        const QRect r(controls[i]->mapTo(&dlg, QPoint(0, 0)), controls[i]->size());
        EXPECT_TRUE(dlg.rect().contains(r)) << i;
        EXPECT_GT(r.top(), dlg.Frame().TitleRect().bottom()) << i;
        for (int j = 0; j < i; ++j) {
            const QRect other(controls[j]->mapTo(&dlg, QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(r.intersects(other)) << i << " overlaps " << j;
        }
    }
    za::test::SaveShot(dlg, QStringLiteral("settime.png"));
}

TEST_F(SetTimeDlgTest, LauncherRunsTheDialog) {
    CDialogLauncher launcher;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CSetTimeDlg*>(QApplication::activeModalWidget());
        opened = dlg != nullptr;
        if (dlg) ControlsOf(*dlg).ok->click();
    });
    EXPECT_EQ(launcher.SetTime(nullptr), IDCANCEL);
    EXPECT_TRUE(opened);
}
