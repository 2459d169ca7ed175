// Derived zones kept between processes: what is read back behaves as what was derived, bytes
// that are not such records are refused, and the file serves only the tz release it was
// derived from.
#include "profile.h"
#include "tzderive.h"
#include "tzhistory.h"
#include "tzstore.h"
#include "tzyears.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

using za::tz::DerivedStore;
using za::tz::YearlyRules;
using za::tz::ZoneHistory;

namespace {

// Zones with what the records find hard: Dublin's negative saving, Casablanca's Ramadan
// breaks, Lord Howe's half-hour saving, Kolkata without daylight time, New York as usual.
const char* const kZones[] = {"Europe/Dublin", "Africa/Casablanca", "Australia/Lord_Howe", "Asia/Kolkata", "America/New_York"};

constexpr std::int64_t kHour = 3600;

}  // namespace

TEST(DerivedZones, WhatIsReadBackAnswersAsWhatWasDerived) {
    for (const char* zone : kZones) {
        SCOPED_TRACE(zone);
        const auto rules = YearlyRules::Derive(zone, QStringLiteral("Standard"), QStringLiteral("Daylight"));
        ASSERT_TRUE(rules);
        const auto back = YearlyRules::FromBytes(zone, rules->ToBytes());
        ASSERT_TRUE(back);
        EXPECT_EQ(rules->RecordCount(), back->RecordCount());
        EXPECT_EQ(QByteArray(zone), back->TzId());
        for (int year = za::tz::kFirstRuleYear - 1; year <= za::tz::kLastRuleYear + 1; ++year) {
            EXPECT_EQ(0, std::memcmp(&rules->ForYear(year), &back->ForYear(year), sizeof(TIME_ZONE_INFORMATION))) << year;
        }

        const auto history = ZoneHistory::Of(zone);
        ASSERT_TRUE(history);
        const auto read = ZoneHistory::FromBytes(zone, history->ToBytes());
        ASSERT_TRUE(read);
        // Every hour of the history's years: offsets, daylight flags and local times alike.
        for (std::int64_t t = za::tz::YearStart(za::tz::kFirstRuleYear); t < za::tz::YearStart(za::tz::kLastRuleYear + 1); t += kHour) {
            ASSERT_EQ(history->OffsetAt(t), read->OffsetAt(t)) << t;
            ASSERT_EQ(history->IsDaylightAt(t), read->IsDaylightAt(t)) << t;
            ASSERT_EQ(history->LocalToUtc(t), read->LocalToUtc(t)) << t;
        }
    }
}

TEST(DerivedZones, BytesThatAreNotRecordsAreRefused) {
    const auto rules = YearlyRules::Derive("Europe/Dublin", QStringLiteral("GMT"), QStringLiteral("IST"));
    ASSERT_TRUE(rules);
    const QByteArray good = rules->ToBytes();
    EXPECT_FALSE(YearlyRules::FromBytes("Europe/Dublin", QByteArray()));
    EXPECT_FALSE(YearlyRules::FromBytes("Europe/Dublin", good.left(good.size() - 1)));
    EXPECT_FALSE(YearlyRules::FromBytes("Europe/Dublin", good + 'x'));
    QByteArray badIndex = good;
    badIndex[badIndex.size() - 1] = static_cast<char>(rules->RecordCount());  // a year pointing past the records
    EXPECT_FALSE(YearlyRules::FromBytes("Europe/Dublin", badIndex));
    QByteArray hugeCount = good;
    hugeCount[0] = '\x7f';
    EXPECT_FALSE(YearlyRules::FromBytes("Europe/Dublin", hugeCount));

    const auto history = ZoneHistory::Of("Europe/Dublin");
    ASSERT_TRUE(history);
    const QByteArray periods = history->ToBytes();
    EXPECT_FALSE(ZoneHistory::FromBytes("Europe/Dublin", QByteArray()));
    EXPECT_FALSE(ZoneHistory::FromBytes("Europe/Dublin", periods.left(periods.size() - 13)));
    // The second and third periods' starts swapped: periods out of order.
    QByteArray swapped = periods;
    const int second = 20 + 13, third = 20 + 2 * 13;
    for (int i = 0; i < 8; ++i) std::swap(swapped[second + i], swapped[third + i]);
    EXPECT_FALSE(ZoneHistory::FromBytes("Europe/Dublin", swapped));
}

// A pass over every zone keeps its entries for the process alone: the file, which every process
// reads whole, gets only what was kept before and after.
TEST(DerivedZones, APassKeptForLaterWritesNothing) {
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/zones.cache");
    {
        DerivedStore store(file, QStringLiteral("2026a"));
        store.Keep("before", "kept for later");
        store.KeepForLater(false);
        store.Keep("pass", "for this process");
        EXPECT_EQ(QByteArray("for this process"), store.Find("pass"));
        store.KeepForLater(true);
        store.Keep("after", "kept for later too");
    }
    DerivedStore reader(file, QStringLiteral("2026a"));
    EXPECT_EQ(QByteArray("kept for later"), reader.Find("before"));
    EXPECT_EQ(QByteArray("kept for later too"), reader.Find("after"));
    EXPECT_TRUE(reader.Find("pass").isEmpty());
}

TEST(DerivedZones, TheFileServesItsReleaseAndOnlyWholeEntries) {
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/zones.cache");
    {
        DerivedStore first(file, QStringLiteral("2026a"));
        first.Keep("one", "first entry");
        DerivedStore second(file, QStringLiteral("2026a"));
        second.Keep("two", "second entry");
        first.Flush();
        second.Flush();  // adds to what the first wrote
    }
    DerivedStore reader(file, QStringLiteral("2026a"));
    EXPECT_EQ(QByteArray("first entry"), reader.Find("one"));
    EXPECT_EQ(QByteArray("second entry"), reader.Find("two"));
    DerivedStore newer(file, QStringLiteral("2026b"));
    EXPECT_TRUE(newer.Find("one").isEmpty());
    DerivedStore unknown(file, QString());
    EXPECT_TRUE(unknown.Find("one").isEmpty());

    // A byte changed in one entry: that entry is derived again, the other still served.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const qsizetype at = bytes.indexOf("second entry");
    ASSERT_GT(at, 0);
    bytes[at] = 'S';
    f.seek(0);
    f.write(bytes);
    f.close();
    DerivedStore damaged(file, QStringLiteral("2026a"));
    EXPECT_TRUE(damaged.Find("two").isEmpty());
    EXPECT_EQ(QByteArray("first entry"), damaged.Find("one"));
    // Another process derives it again meanwhile; this one's later write keeps that.
    DerivedStore other(file, QStringLiteral("2026a"));
    other.Keep("two", "second entry again");
    other.Flush();
    damaged.Keep("three", "third entry");
    damaged.Flush();
    DerivedStore after(file, QStringLiteral("2026a"));
    EXPECT_EQ(QByteArray("second entry again"), after.Find("two"));
    EXPECT_EQ(QByteArray("third entry"), after.Find("three"));
    // A file cut short serves what it holds whole.
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();
    const qsizetype third = whole.indexOf("third entry");
    ASSERT_GT(third, 0);
    ASSERT_TRUE(f.resize(third + 4));
    DerivedStore cut(file, QStringLiteral("2026a"));
    EXPECT_TRUE(cut.Find("three").isEmpty());
}

// A process derives a zone from what the profile's store holds for it, and what it derives is
// kept there for the next process.
TEST(DerivedZones, DerivingUsesTheProfilesStore) {
    if (DerivedStore::CurrentRelease().isEmpty()) GTEST_SKIP() << "the tz database names no release";
    za::test::TempProfile profile;
    QDir().mkpath(profile.path());
    DerivedStore& store = DerivedStore::Shared();
    const auto london = YearlyRules::Derive("Europe/London", QStringLiteral("GMT"), QStringLiteral("BST"));
    ASSERT_TRUE(london);
    store.Flush();
    EXPECT_TRUE(QFile::exists(profile.path() + QStringLiteral("/zones.cache")));
    DerivedStore next(profile.path() + QStringLiteral("/zones.cache"), DerivedStore::CurrentRelease());
    EXPECT_EQ(london->ToBytes(), next.Find(YearlyRules::StoreKey("Europe/London", QStringLiteral("GMT"), QStringLiteral("BST"))));

    // What the store holds is what is used: Tokyo's records stored under London's key.
    const auto tokyo = YearlyRules::Derive("Asia/Tokyo", QStringLiteral("GMT"), QStringLiteral("BST"));
    ASSERT_TRUE(tokyo);
    store.Keep(YearlyRules::StoreKey("Europe/London", QStringLiteral("GMT"), QStringLiteral("BST")), tokyo->ToBytes());
    const auto served = YearlyRules::Derive("Europe/London", QStringLiteral("GMT"), QStringLiteral("BST"));
    ASSERT_TRUE(served);
    EXPECT_EQ(-9 * 60, served->ForYear(2026).Bias);
}
