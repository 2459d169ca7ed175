// The window on the computer as the device (systemd's time service played by python3-dbusmock
// on a private bus), and the window following changes that other processes make.
#include "apptest.h"

#include "aboutdlg.h"
#include "appstrings.h"
#include "citydisplay.h"
#include "clock.h"
#include "mainframe.h"
#include "poapp.h"
#include "resource.h"
#include "settimedlg.h"
#include "settings.h"
#include "stringtable.h"
#include "timedatemock.h"
#include "timeservice.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <memory>

using namespace za::app;
using za::test::AppTest;
using za::test::TimedateMock;

namespace {

constexpr int kTokyoZone = 235;
// Long enough for any machine; what is tested is that the change comes, not how fast.
constexpr int kWaitMs = 20000;

class ComputerWindowTest : public AppTest {
protected:
    ~ComputerWindowTest() override {
        // The window ends before the profile it was made on and the mock go.
        if (app) app->ExitInstance();
        app.reset();
    }
    // Starts the time service's mock, then makes the profile while it runs (so that it takes
    // the computer); the one the fixture began with is left.
    TimedateMock& OnComputer(const QString& zone, bool ntp = false, bool canNtp = true) {
        m_mock = std::make_unique<TimedateMock>(zone, ntp, canNtp);
        m_profile = std::make_unique<za::test::TempProfile>();
        GetPOApp().Logoff();
        return *m_mock;
    }
    bool StartShown() {
        if (!Start()) return false;
        return QTest::qWaitForWindowExposed(&Frame());
    }
    CMainView& View() { return Frame().View(); }

    static int RunCli(const QStringList& arguments) {
        QProcess cli;
        cli.start(QStringLiteral(ZONARIA_CLI_PATH), arguments);
        if (!cli.waitForFinished(kWaitMs)) return -1;
        return cli.exitCode();
    }

private:
    std::unique_ptr<TimedateMock> m_mock;
    std::unique_ptr<za::test::TempProfile> m_profile;
};

}  // namespace

TEST_F(ComputerWindowTest, ANewProfileShowsTheComputersCityAndFollowsItsZone) {
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    ASSERT_TRUE(StartShown());
    ASSERT_EQ(za::device::DeviceKind::Computer, za::device::Kind());
    EXPECT_EQ(View().SelectedIndex(), 0);
    EXPECT_EQ(View().City(0).Name(), QStringLiteral("Berlin"));
    View().OnCheckCity();
    EXPECT_EQ(View().City(0).Name(), QStringLiteral("Berlin")) << "the start-up check has nothing to replace";

    // `timedatectl set-timezone Asia/Tokyo`: Tokyo on display 4 becomes current, unasked.
    ASSERT_TRUE(mock.SetProperty(QStringLiteral("Timezone"), QStringLiteral("Asia/Tokyo")));
    EXPECT_TRUE(RunUntil([this] { return View().SelectedCity().TimeZone().ID() == kTokyoZone; }, kWaitMs));
    EXPECT_EQ(View().SelectedIndex(), 4);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 4u);
    EXPECT_TRUE(mock.Calls().isEmpty()) << "following the computer changes nothing on it";
}

TEST_F(ComputerWindowTest, SetAsCurrentCityAsksTheComputerForTheCitysZone) {
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    ASSERT_TRUE(StartShown());
    ASSERT_EQ(View().City(3).Name(), QStringLiteral("London"));
    shell->ScriptAnswers({IDYES});
    View().Display(3).OnCommand(ID_SET_CURRENT);
    EXPECT_EQ(View().SelectedIndex(), 3);
    EXPECT_EQ(mock.Calls(), QStringList{QStringLiteral("SetTimezone \"Europe/London\" True")});
    // The change the window made comes back as a signal: the check leaves London current.
    za::test::AppTest::Pump(500);
    EXPECT_EQ(View().SelectedIndex(), 3);
}

TEST_F(ComputerWindowTest, ARefusedZoneIsExplainedAndChangesNothing) {
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    ASSERT_TRUE(mock.Refuse(QStringLiteral("SetTimezone"), QStringLiteral("sb")));
    ASSERT_TRUE(StartShown());
    shell->ScriptAnswers({IDYES, IDOK});
    View().Display(4).OnCommand(ID_SET_CURRENT);
    EXPECT_EQ(View().SelectedIndex(), 0);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 0u);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("not authorised"))) << messages[1].text.toStdString();
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("Berlin"))) << "it names the city that stays current";
    EXPECT_EQ(messages[1].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    EXPECT_TRUE(View().City(0).TimeZone().IsSameTZ(&tzi));
}

TEST_F(ComputerWindowTest, SettingTheTimeByHandOffersToTurnAutomaticTimeOff) {
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"), true);
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    ASSERT_EQ(za::device::DeviceKind::Computer, za::device::Kind());
    const struct Row {
        const char* nickname;
        int answer;
        QStringList calls;
    } rows[] = {
        {"No keeps automatic time and the clock", IDNO, {}},
        {"Yes turns it off, then sets the clock", IDYES, {QStringLiteral("SetNTP False True")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nickname);
        shell->Clear();
        // Save the change? Yes; then the question about automatic time.
        shell->ScriptAnswers({IDYES, row.answer});
        CSetTimeDlg dlg(nullptr);
        auto* time = qobject_cast<QTimeEdit*>(GetDlgItem(&dlg, IDC_TIME_PICKER));
        QPushButton* ok = dlg.Buttons()->button(QDialogButtonBox::Ok);
        QPushButton* cancel = dlg.Buttons()->button(QDialogButtonBox::Cancel);
        bool stayed = false;
        QTimer::singleShot(0, &dlg, [&] {
            dlg.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
            time->setFocus();
            time->setCurrentSection(QDateTimeEdit::HourSection);
            QTest::keyClick(time, Qt::Key_Up);
            ok->click();
            stayed = dlg.isVisible();
            if (stayed) cancel->click();
        });
        dlg.DoModal();
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, AppString(IDS_NTP_ON_SET_BY_HAND));
        const QStringList calls = mock.Calls();
        if (row.answer == IDNO) {
            EXPECT_TRUE(stayed) << "the dialog stays for the user to choose again";
            EXPECT_TRUE(calls.isEmpty());
        } else {
            ASSERT_EQ(calls.size(), 2);
            EXPECT_EQ(calls[0], QStringLiteral("SetNTP False True"));
            EXPECT_TRUE(calls[1].startsWith(QStringLiteral("SetTime "))) << calls[1].toStdString();
            EXPECT_TRUE(calls[1].endsWith(QStringLiteral(" False True"))) << "an absolute time";
        }
    }
}

TEST_F(ComputerWindowTest, TheSetTimeDialogShowsAndTurnsOnAutomaticTime) {
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"), false, true);
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    CSetTimeDlg dlg(nullptr);
    auto* state = dlg.findChild<QLabel*>(QStringLiteral("automaticTimeState"));
    auto* automatic = dlg.findChild<QCheckBox*>(QStringLiteral("automaticTime"));
    ASSERT_TRUE(state && automatic);
    EXPECT_EQ(state->text(), AppString(IDS_NTP_STATE_OFF));
    EXPECT_FALSE(automatic->isChecked());
    EXPECT_FALSE(automatic->isHidden());
    automatic->click();
    EXPECT_EQ(mock.Calls(), QStringList{QStringLiteral("SetNTP True True")});
    // The template reports itself synchronised as soon as automatic time is on.
    EXPECT_EQ(state->text(), AppString(IDS_NTP_STATE_SYNCHRONIZED));
    EXPECT_TRUE(automatic->isChecked());
}

TEST_F(ComputerWindowTest, ThePrivateDeviceShowsNoAutomaticTime) {
    CSetTimeDlg dlg(nullptr);
    auto* automatic = dlg.findChild<QCheckBox*>(QStringLiteral("automaticTime"));
    ASSERT_TRUE(automatic);
    EXPECT_TRUE(automatic->isHidden());
}

TEST_F(ComputerWindowTest, ChangesOfOtherProcessesAreShownAtOnce) {
    ASSERT_TRUE(StartShown());
    ASSERT_EQ(View().City(2).Name(), QStringLiteral("New York, NY"));
    ASSERT_EQ(RunCli({QStringLiteral("set-city"), QStringLiteral("2"), QStringLiteral("Cairo")}), 0);
    // Before the window has looked again, Cairo is already kept from deletion.
    EXPECT_TRUE(app->IsCityDisplayed(QStringLiteral("Cairo")));
    // Seen from the profile's files changing, well before the look the window takes every 10 s
    // where the file system tells nothing.
    EXPECT_TRUE(RunUntil([this] { return View().City(2).Name() == QStringLiteral("Cairo"); }, 5000));
    EXPECT_EQ(app->GetDisplayedCity(2), QStringLiteral("Cairo"));

    // Another process selects display 3: the window selects it too, and the device follows it
    // (the private device's zone is London's now), so the check keeps it.
    ASSERT_EQ(RunCli({QStringLiteral("select"), QStringLiteral("3")}), 0);
    EXPECT_TRUE(RunUntil([this] { return View().SelectedIndex() == 3; }, kWaitMs));
    Pump(500);
    EXPECT_EQ(View().SelectedIndex(), 3);
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    EXPECT_TRUE(View().SelectedCity().TimeZone().IsSameTZ(&tzi)) << "current city and device zone agree";
}

TEST_F(ComputerWindowTest, TheAboutBoxSaysWhichDeviceIsInUse) {
    {
        CAboutDlg about(nullptr);
        auto* device = about.findChild<QLabel*>(QStringLiteral("deviceKind"));
        ASSERT_TRUE(device);
        EXPECT_EQ(device->text(), AppString(IDS_DEVICE_PRIVATE));
    }
    TimedateMock& mock = OnComputer(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    CAboutDlg about(nullptr);
    auto* device = about.findChild<QLabel*>(QStringLiteral("deviceKind"));
    ASSERT_TRUE(device);
    EXPECT_EQ(device->text(), za::FormatString(AppString(IDS_DEVICE_COMPUTER), {QStringLiteral("Europe/Berlin")}));
}
