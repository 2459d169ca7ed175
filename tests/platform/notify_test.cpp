// The user notification store: registering, listing, reading (with the size query), clearing,
// handles that are never given out again, triggers that keep their instant when the device
// zone changes, claims across processes, the change messages, and the upgrade of a profile
// made before the store existed.
#include "clock.h"
#include "device.h"
#include "notify.h"
#include "profile.h"
#include "registry.h"
#include "window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <memory>
#include <vector>

using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::UtcMs;
using za::test::ZoneOfYear;

namespace {

bool RunUntil(const std::function<bool()>& cond, int ms = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

// A notification's texts, kept alive for the structures that point at them.
struct Alarm {
    QString app = QStringLiteral("/opt/zonaria/bin/zonaria");
    QString args = QStringLiteral("Tokyo");
    QString title = QStringLiteral("Zonaria");
    QString text = QStringLiteral("It is 7:00 AM in Tokyo");
    QString sound = QStringLiteral("Alarm1");
    DWORD flags = PUN_LED | PUN_DIALOG | PUN_SOUND | PUN_REPEAT;
    SYSTEMTIME start = MakeTime(2026, 7, 1, 7, 0, 0);
};

HANDLE Register(const Alarm& s, HANDLE handle = nullptr) {
    CE_NOTIFICATION_TRIGGER trigger{};
    trigger.dwSize = sizeof trigger;
    trigger.dwType = CNT_TIME;
    trigger.lpszApplication = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.app.utf16()));
    trigger.lpszArguments = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.args.utf16()));
    trigger.stStartTime = s.start;
    CE_USER_NOTIFICATION user{};
    user.ActionFlags = s.flags;
    user.pwszDialogTitle = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.title.utf16()));
    user.pwszDialogText = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.text.utf16()));
    user.pwszSound = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.sound.utf16()));
    user.nMaxSound = 520;
    return CeSetUserNotificationEx(handle, &trigger, &user);
}

std::vector<BYTE> ReadBack(HANDLE h) {
    DWORD needed = 0;
    if (CeGetUserNotification(h, 0, &needed, nullptr) || needed == 0) return {};
    std::vector<BYTE> buffer(needed);
    if (!CeGetUserNotification(h, needed, &needed, buffer.data())) return {};
    return buffer;
}

std::vector<HANDLE> Handles(DWORD room = 256) {
    std::vector<HANDLE> handles(room);
    DWORD count = 0;
    EXPECT_TRUE(CeGetUserNotificationHandles(handles.data(), room, &count));
    handles.resize(std::min(count, room));
    return handles;
}

bool RawExec(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(file.toUtf8().constData(), &db) == SQLITE_OK &&
              sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

class NotificationStore : public za::test::ProfileTest {
protected:
    NotificationStore() : host(UtcMs(2026, 6, 1, 12, 0, 0)) {
        // A zone without daylight time, so local times are plain: UTC+9.
        SetTimeZoneInformation(&tokyo);
    }
    FixedHostClock host;
    TIME_ZONE_INFORMATION tokyo = ZoneOfYear("Asia/Tokyo", 2026);
};

}  // namespace

TEST_F(NotificationStore, WhatIsRegisteredReadsBackWithTheSizeItNeeds) {
    const Alarm s;
    const HANDLE h = Register(s);
    ASSERT_NE(nullptr, h);

    DWORD needed = 0;
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CeGetUserNotification(h, 0, &needed, nullptr));
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
    ASSERT_GT(needed, sizeof(CE_NOTIFICATION_INFO_HEADER));
    std::vector<BYTE> small(needed - 1);
    EXPECT_FALSE(CeGetUserNotification(h, needed - 1, &needed, small.data()));

    std::vector<BYTE> buffer(needed + 64, 0xCD);
    ASSERT_TRUE(CeGetUserNotification(h, static_cast<DWORD>(buffer.size()), &needed, buffer.data()));
    const auto* header = reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(buffer.data());
    EXPECT_EQ(h, header->hNotification);
    EXPECT_EQ(0u, header->dwStatus);
    const BYTE* end = buffer.data() + needed;
    for (const void* p : {static_cast<const void*>(header->pcent), static_cast<const void*>(header->pceun),
                          static_cast<const void*>(header->pcent->lpszApplication),
                          static_cast<const void*>(header->pceun->pwszSound)}) {
        EXPECT_TRUE(p >= buffer.data() && p < end) << "a pointer outside the needed bytes";
    }
    EXPECT_EQ(CNT_TIME, header->pcent->dwType);
    EXPECT_EQ(s.app, QString::fromUtf16(header->pcent->lpszApplication));
    EXPECT_EQ(s.args, QString::fromUtf16(header->pcent->lpszArguments));
    EXPECT_EQ(s.title, QString::fromUtf16(header->pceun->pwszDialogTitle));
    EXPECT_EQ(s.text, QString::fromUtf16(header->pceun->pwszDialogText));
    EXPECT_EQ(s.sound, QString::fromUtf16(header->pceun->pwszSound));
    EXPECT_EQ(s.flags, header->pceun->ActionFlags);
    const SYSTEMTIME& t = header->pcent->stStartTime;
    EXPECT_EQ(2026, t.wYear);
    EXPECT_EQ(7, t.wMonth);
    EXPECT_EQ(1, t.wDay);
    EXPECT_EQ(7, t.wHour);
    EXPECT_EQ(0, t.wMinute);
    // Kept as the UTC instant: 7:00 at UTC+9.
    EXPECT_EQ(UtcMs(2026, 6, 30, 22, 0, 0), za::notify::Read(h)->dueUtcMs);
}

TEST_F(NotificationStore, AClearedNotificationIsGoneAndItsHandleNeverComesBack) {
    const HANDLE first = Register(Alarm());
    ASSERT_NE(nullptr, first);
    ASSERT_TRUE(CeClearUserNotification(first));

    DWORD needed = 123;
    EXPECT_FALSE(CeGetUserNotification(first, 0, &needed, nullptr));
    EXPECT_EQ(0u, needed);  // the size query of a handle that is gone
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    EXPECT_FALSE(CeClearUserNotification(first));
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    EXPECT_EQ(nullptr, Register(Alarm(), first));  // an update of a handle that is gone
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());

    // Not after the last one was cleared, nor after the profile was opened again.
    const HANDLE second = Register(Alarm());
    ASSERT_TRUE(CeClearUserNotification(second));
    za::device::Reset();
    const HANDLE third = Register(Alarm());
    EXPECT_NE(first, second);
    EXPECT_NE(second, third);
    EXPECT_NE(first, third);
    EXPECT_EQ(std::vector<HANDLE>{third}, Handles());
}

TEST_F(NotificationStore, AnUpdateKeepsTheHandleAndCountsAsNotDelivered) {
    Alarm s;
    const HANDLE h = Register(s);
    ASSERT_EQ(1u, za::notify::ClaimDue(UtcMs(2026, 7, 1, 0, 0, 0)).size());
    EXPECT_TRUE(za::notify::Read(h)->signalled);
    s.text = QStringLiteral("Wake up");
    s.start = MakeTime(2026, 7, 2, 8, 30, 0);
    EXPECT_EQ(h, Register(s, h));
    const std::optional<za::notify::Notification> n = za::notify::Read(h);
    ASSERT_TRUE(n);
    EXPECT_FALSE(n->signalled);
    EXPECT_EQ(QStringLiteral("Wake up"), n->text);
    EXPECT_EQ(UtcMs(2026, 7, 1, 23, 30, 0), n->dueUtcMs);
    EXPECT_EQ(std::vector<HANDLE>{h}, Handles());
}

TEST_F(NotificationStore, RefusedRegistrations) {
    struct Case {
        const char* name;
        std::function<void(CE_NOTIFICATION_TRIGGER&)> change;
    } cases[] = {
        {"event trigger", [](CE_NOTIFICATION_TRIGGER& t) { t.dwType = CNT_EVENT; }},
        {"no application", [](CE_NOTIFICATION_TRIGGER& t) { t.lpszApplication = nullptr; }},
        {"31 February", [](CE_NOTIFICATION_TRIGGER& t) { t.stStartTime.wMonth = 2, t.stStartTime.wDay = 31; }},
        {"unknown size", [](CE_NOTIFICATION_TRIGGER& t) { t.dwSize = 12; }},
    };
    const QString app = QStringLiteral("/bin/zonaria");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CE_NOTIFICATION_TRIGGER trigger{};
        trigger.dwSize = kHandheldTriggerSize;
        trigger.dwType = CNT_TIME;
        trigger.lpszApplication = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(app.utf16()));
        trigger.stStartTime = MakeTime(2026, 7, 1, 7);
        CE_USER_NOTIFICATION user{};
        ASSERT_NE(nullptr, CeSetUserNotificationEx(nullptr, &trigger, &user)) << "the unchanged trigger";
        c.change(trigger);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(nullptr, CeSetUserNotificationEx(nullptr, &trigger, &user));
        EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
    }
    EXPECT_EQ(4u, Handles().size());
}

TEST_F(NotificationStore, TheHandleListGivesTheFirstOnesAndCountsThemAll) {
    std::vector<HANDLE> made;
    for (int i = 0; i < 5; ++i) made.push_back(Register(Alarm()));
    HANDLE room[3] = {};
    DWORD count = 0;
    ASSERT_TRUE(CeGetUserNotificationHandles(room, 3, &count));
    EXPECT_EQ(5u, count);
    EXPECT_EQ(made[0], room[0]);
    EXPECT_EQ(made[2], room[2]);
    ASSERT_TRUE(CeGetUserNotificationHandles(nullptr, 0, &count));
    EXPECT_EQ(5u, count);
}

// The mend: a trigger keeps its instant when the device takes another zone, and reads back in
// the new zone's local time.
TEST_F(NotificationStore, ATriggerKeepsItsInstantWhenTheDeviceZoneChanges) {
    Alarm s;
    s.start = MakeTime(2026, 7, 1, 7, 0, 0);  // 7:00 in Tokyo
    const HANDLE h = Register(s);
    const std::int64_t due = za::notify::Read(h)->dueUtcMs;

    const TIME_ZONE_INFORMATION newYork = ZoneOfYear("America/New_York", 2026);
    ASSERT_TRUE(SetTimeZoneInformation(&newYork));
    EXPECT_EQ(due, za::notify::Read(h)->dueUtcMs);
    const std::vector<BYTE> buffer = ReadBack(h);
    ASSERT_FALSE(buffer.empty());
    const SYSTEMTIME& t = reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(buffer.data())->pcent->stStartTime;
    // 22:00 UTC on 30 June is 18:00 in New York (daylight time, UTC-4).
    EXPECT_EQ(30, t.wDay);
    EXPECT_EQ(18, t.wHour);
    EXPECT_EQ(0, t.wMinute);
}

TEST_F(NotificationStore, DueNotificationsAreClaimedOnceInOrder) {
    Alarm late;
    late.start = MakeTime(2026, 7, 1, 9, 0, 0);
    Alarm early;
    early.start = MakeTime(2026, 7, 1, 8, 0, 0);
    const HANDLE a = Register(late);
    const HANDLE b = Register(early);
    Alarm later;
    later.start = MakeTime(2026, 7, 1, 10, 0, 0);
    const HANDLE c = Register(later);
    EXPECT_EQ(UtcMs(2026, 6, 30, 23, 0, 0), za::notify::NextDueUtcMs());

    // At 9:00 Tokyo time, a and b are due, b first; a skipped handle stays.
    const std::int64_t nine = UtcMs(2026, 7, 1, 0, 0, 0);
    std::vector<za::notify::Notification> got = za::notify::ClaimDue(nine, 64, {a});
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(b, got[0].handle);
    got = za::notify::ClaimDue(nine);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(a, got[0].handle);
    EXPECT_TRUE(za::notify::ClaimDue(nine).empty());
    // The claims' leases end first; the claimer leaves its own claims out.
    EXPECT_EQ(nine + za::notify::kClaimLeaseMs, za::notify::NextDueUtcMs());
    EXPECT_EQ(UtcMs(2026, 7, 1, 1, 0, 0), za::notify::NextDueUtcMs({a, b}));

    // Given back, it is due again; snoozed, it moves.
    EXPECT_TRUE(za::notify::Unclaim(a));
    EXPECT_EQ(UtcMs(2026, 7, 1, 0, 0, 0), za::notify::NextDueUtcMs({b}));
    EXPECT_TRUE(za::notify::Reschedule(a, UtcMs(2026, 7, 1, 0, 10, 0)));
    EXPECT_EQ(UtcMs(2026, 7, 1, 0, 10, 0), za::notify::Read(a)->dueUtcMs);
    EXPECT_TRUE(CeClearUserNotification(c));
    EXPECT_FALSE(za::notify::Reschedule(c, nine));
    EXPECT_FALSE(za::notify::Unclaim(c));
}

// The agent looks at the store at each change of any process: with nothing due, and a message
// name known, neither waits for the write lock another process holds (up to the 10-s busy
// time-out, and a failure after it).
TEST_F(NotificationStore, LookingWithNothingDueWaitsForNoOtherWriter) {
    Alarm later;
    later.start = MakeTime(2026, 7, 1, 9, 0, 0);
    ASSERT_TRUE(Register(later));
    const UINT message = RegisterWindowMessageW(QStringLiteral("zonaria-test-known"));
    ASSERT_NE(0u, message);
    const std::int64_t nine = UtcMs(2026, 7, 1, 0, 0, 0);

    sqlite3* other = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(profile.dbPath().toUtf8().constData(), &other));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(za::notify::ClaimDue(nine - 1).empty());
    EXPECT_EQ(message, RegisterWindowMessageW(QStringLiteral("zonaria-test-known")));
    EXPECT_LT(timer.elapsed(), 5000) << "waited for the other writer";
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    // Once due, it is claimed as before.
    ASSERT_EQ(1u, za::notify::ClaimDue(nine).size());
}

TEST_F(NotificationStore, ProcessesClaimingAtOnceClaimEachNotificationOnce) {
    constexpr int kCount = 120;
    std::vector<HANDLE> made;
    for (int i = 0; i < kCount; ++i) made.push_back(Register(Alarm()));
    std::vector<std::unique_ptr<QProcess>> claimers;
    for (int i = 0; i < 4; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(REGWRITER_PATH), {QStringLiteral("claim"), QString::number(UtcMs(2027, 1, 1))});
        claimers.push_back(std::move(p));
    }
    QList<qulonglong> all;
    for (auto& p : claimers) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(0, p->exitCode()) << p->readAllStandardError().constData();
        for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
            if (!line.isEmpty()) all << line.toULongLong();
        }
    }
    EXPECT_EQ(kCount, all.size());
    EXPECT_EQ(kCount, QSet<qulonglong>(all.begin(), all.end()).size());
}

TEST_F(NotificationStore, ChangesOfTheStoreAndOfTheClockArePostedToEveryWindow) {
    const UINT changed = RegisterWindowMessageW(QString::fromLatin1(za::notify::kNotificationsChangedMessage));
    ASSERT_NE(0u, changed);
    std::vector<UINT> seen;
    za::PlatformWindow window(QStringLiteral("Listener"), QString(), [&](UINT msg, WPARAM, LPARAM) { seen.push_back(msg); });
    ASSERT_NE(nullptr, window.hwnd());

    const HANDLE h = Register(Alarm());
    EXPECT_TRUE(RunUntil([&] { return seen.size() == 1; }));
    ASSERT_TRUE(CeClearUserNotification(h));
    EXPECT_TRUE(RunUntil([&] { return seen.size() == 2; }));
    const SYSTEMTIME later = MakeTime(2026, 6, 1, 12, 30, 0);
    ASSERT_TRUE(SetSystemTime(&later));
    EXPECT_TRUE(RunUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ((std::vector<UINT>{changed, changed, WM_TIMECHANGE}), seen);
}

// A profile of version 2 gets the store as an upgrade step and keeps what it held.
TEST_F(NotificationStore, AProfileOfVersionTwoGetsTheStoreAndKeepsItsData) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Kept"), 0, QString(), 0, 0,
                                             nullptr, &key, nullptr));
    const DWORD value = 4242;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QStringLiteral("Value"), 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&value), sizeof value));
    RegCloseKey(key);
    za::device::Reset();
    ASSERT_TRUE(RawExec(profile.dbPath(),
                        "DROP TABLE notification_claims; DROP INDEX user_notifications_due;"
                        " DROP TABLE user_notifications; PRAGMA user_version = 2"));

    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_EQ(za::device::ProfileState::Ready, za::device::Status().state);
    EXPECT_EQ(4, za::device::SchemaVersion());
    EXPECT_NE(nullptr, Register(Alarm()));
    DWORD read = 0;
    DWORD size = sizeof read;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Kept"), 0, 0, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("Value"), nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size));
    RegCloseKey(key);
    EXPECT_EQ(4242u, read);
    za::device::Reset();
    EXPECT_TRUE(za::device::CheckProfile().problems.isEmpty());
    EXPECT_EQ(4, za::device::CheckProfile().schemaVersion);
}

// A claim is a lease: an agent that ends without showing or giving back what it claimed leaves
// it to the next one once the lease is over; what is shown and renewed stays with its agent.
TEST_F(NotificationStore, AClaimHoldsForItsLeaseAndIsTakenOverAfter) {
    const HANDLE h = Register(Alarm());
    const std::int64_t now = UtcMs(2027, 1, 1);
    std::vector<za::notify::Notification> got = za::notify::ClaimDue(now, 64, {}, 60000);
    ASSERT_EQ(1u, got.size());
    EXPECT_FALSE(got[0].shown);
    EXPECT_TRUE(za::notify::ClaimDue(now + 59999, 64, {}, 60000).empty());
    EXPECT_EQ(now + 60000, za::notify::NextDueUtcMs());
    // The agent died: the next one takes it.
    got = za::notify::ClaimDue(now + 60000, 64, {}, 60000);
    ASSERT_EQ(1u, got.size());
    ASSERT_TRUE(za::notify::MarkShown(h, 17, now + 120000));
    EXPECT_TRUE(za::notify::Read(h)->shown);
    EXPECT_EQ(17u, za::notify::Read(h)->serverId);
    EXPECT_TRUE(za::notify::ClaimDue(now + 119999).empty());
    ASSERT_TRUE(za::notify::RenewClaims({h}, now + 240000));
    EXPECT_TRUE(za::notify::ClaimDue(now + 239999).empty());
    // Given back at the agent's end: at once for the next, which replaces what is on screen.
    ASSERT_TRUE(za::notify::Unclaim(h));
    got = za::notify::ClaimDue(now + 1000);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(17u, got[0].serverId);
    // Cleared meanwhile: not marked shown.
    ASSERT_TRUE(CeClearUserNotification(h));
    EXPECT_FALSE(za::notify::MarkShown(h, 18, now + 120000));
}

// A profile from before claims were kept: what was marked delivered is shown once more.
TEST_F(NotificationStore, AnAlarmDeliveredBeforeClaimsWereKeptIsShownAgain) {
    const HANDLE h = Register(Alarm());
    za::device::Reset();
    ASSERT_TRUE(RawExec(profile.dbPath(), "DROP TABLE notification_claims; UPDATE user_notifications SET signalled = 1;"
                                          " PRAGMA user_version = 3"));
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    const std::vector<za::notify::Notification> got = za::notify::ClaimDue(UtcMs(2027, 1, 1));
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(h, got[0].handle);
}

// The store's own calls, which the alarms and the agent use, see what the handheld's calls set
// and the other way round.
TEST_F(NotificationStore, SetListAndClearWorkOnTheSameRecords) {
    za::notify::Notification n;
    n.application = QStringLiteral("/opt/zonaria/bin/zonaria");
    n.arguments = QStringLiteral("Sydney");
    n.title = QStringLiteral("Zonaria");
    n.text = QStringLiteral("It is 9:00 PM in Sydney");
    n.sound = QStringLiteral("Alarm2");
    n.actionFlags = PUN_DIALOG | PUN_SOUND;
    n.dueUtcMs = UtcMs(2026, 7, 1, 11, 0, 0);
    const HANDLE set = za::notify::Set(n);
    ASSERT_NE(nullptr, set);
    const HANDLE registered = Register(Alarm{});
    ASSERT_NE(nullptr, registered);

    std::optional<std::vector<za::notify::Notification>> all = za::notify::List();
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[0].handle, set);
    EXPECT_EQ((*all)[0].arguments, QStringLiteral("Sydney"));
    EXPECT_EQ((*all)[0].text, n.text);
    EXPECT_EQ((*all)[0].sound, n.sound);
    EXPECT_EQ((*all)[0].actionFlags, n.actionFlags);
    EXPECT_EQ((*all)[0].dueUtcMs, n.dueUtcMs);
    EXPECT_FALSE((*all)[0].signalled);
    EXPECT_EQ((*all)[1].handle, registered);
    // 7:00 in Tokyo's device time is 22:00 UTC the day before.
    EXPECT_EQ((*all)[1].dueUtcMs, UtcMs(2026, 6, 30, 22, 0, 0));

    // The handheld's read sees the store's record in the device's local time (UTC+9).
    const std::vector<BYTE> buffer = ReadBack(set);
    ASSERT_FALSE(buffer.empty());
    const auto* header = reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(buffer.data());
    EXPECT_EQ(header->pcent->stStartTime.wHour, 20);
    EXPECT_EQ(QString::fromUtf16(header->pceun->pwszSound), n.sound);

    // A replacement keeps the handle; one for a handle that does not exist is refused.
    n.handle = set;
    n.text = QStringLiteral("Call home");
    EXPECT_EQ(za::notify::Set(n), set);
    EXPECT_EQ(za::notify::Read(set)->text, QStringLiteral("Call home"));
    n.handle = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(9999));
    EXPECT_EQ(za::notify::Set(n), nullptr);
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    n.handle = nullptr;
    n.application.clear();
    EXPECT_EQ(za::notify::Set(n), nullptr);
    EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());

    EXPECT_TRUE(za::notify::Clear(set));
    EXPECT_FALSE(za::notify::Clear(set));
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
    EXPECT_FALSE(CeClearUserNotification(set));
    all = za::notify::List();
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 1u);
    EXPECT_EQ((*all)[0].handle, registered);
    EXPECT_TRUE(CeClearUserNotification(registered));
    EXPECT_TRUE(za::notify::List()->empty());
}
