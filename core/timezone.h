// Time zones by time-zone ID: the rule with its offsets and daylight-time transitions, the
// suite's own daylight-time test, conversions between UTC and the local time of any zone, and
// the device's own zone. Biases are in minutes, UTC = local time + bias. Times are SYSTEMTIMEs;
// every one produced here has 0 milliseconds and a recomputed wDayOfWeek.
//
// A zone of the table keeps, beside the record of the device year that GetTZI() gives, its
// records of every year from 1970 to 2037 (platform/tzyears.h). Conversions and the daylight
// test use the record of the instant's own year: the UTC year from UTC, the local year from
// local time; outside those years, the nearest one's. So does the device zone when it follows
// a zone of the tz database. A rule that matches no entry keeps its one record in every year.
//
// Within 1970 to 2037 a loaded zone converts through the exact history of its place's own zone
// of the tz database (platform/tzhistory.h): the entry's representative by default, the city's
// own zone once FollowZone names it (Rome keeps entry 110 "W. Europe" as its identity and name,
// but its 1970s are Rome's, not Berlin's).
#pragma once

#include "tzhistory.h"
#include "tzyears.h"
#include "wintypes.h"

#include <QString>

#include <cstdint>

class CDBTimeZone {
public:
    CDBTimeZone();
    CDBTimeZone(const CDBTimeZone& other) = default;
    CDBTimeZone& operator=(const CDBTimeZone& other) = default;
    virtual ~CDBTimeZone() = default;

    // Bias 0, no daylight time, ID -1, empty name, all-zero rule.
    void Unload();
    // Loads the rule from Outlook (all zero for an ID it does not know), the records of the
    // other years where Outlook has them, and the display name. The conversions follow the
    // history of ownZone (a place's own zone of the tz database) when the tz database knows it,
    // else the entry's representative's. Always TRUE.
    BOOL Load(int id, const QByteArray& ownZone = QByteArray());
    BOOL IsLoaded() const { return m_id >= 0; }
    // Converts through the history of the tz database's zone tzId from now on, the entry staying
    // the zone's ID, rule and name; a zone the tz database does not know changes nothing.
    void FollowZone(const QByteArray& tzId);
    // The tz database's zone the conversions follow; empty when none.
    QByteArray FollowedZone() const { return m_history ? m_history->TzId() : QByteArray(); }
    BOOL IsIdenticalTZ(const CDBTimeZone& other) const { return m_id == other.m_id; }
    // Same biases and same transition rules (year, month, weekday, occurrence; not the hour
    // and minute); *sameNames tells whether both names are equal over all 32 characters.
    BOOL IsSameTZ(const TIME_ZONE_INFORMATION* tzi, BOOL* sameNames = nullptr) const;
    const TIME_ZONE_INFORMATION* GetTZI() const { return &m_tzi; }
    QString Name() const { return m_name; }
    int ID() const { return m_id; }

    int UnadjustedBias() const { return m_tzi.Bias; }
    // The total bias when the zone was last evaluated.
    int Bias() const { return m_bias; }
    // The total bias in force at a UTC instant, by the record of its year.
    int Bias(const SYSTEMTIME& utc) const;
    BOOL SupportsDST() const { return m_tzi.StandardDate.wMonth != 0; }
    // Whether daylight time was in force when the zone was last evaluated.
    BOOL IsDaylightTime() const { return m_bDaylight; }
    BOOL IsDaylightTime(const SYSTEMTIME& utc) const;
    // Evaluates the zone at the device's current UTC time, by the record of its year.
    void AdjustBiasForDST();
    // "First Sunday in April to Last Sunday in October", or the text for no daylight time.
    QString GetDaylightRule() const;

protected:
    // The record in force in `year`: the entry's own record of that year, else m_tzi.
    const TIME_ZONE_INFORMATION& RuleOfYear(int year) const { return m_years ? m_years->ForYear(year) : m_tzi; }

    int m_bias;
    BOOL m_bDaylight;
    int m_id;
    QString m_name;
    TIME_ZONE_INFORMATION m_tzi;
    // The loaded entry's records of every year, shared by copies; null when m_tzi holds in
    // every year (an ID Outlook does not know, or an Outlook with one record per zone).
    za::tz::YearlyRulesPtr m_years;
    // The exact history the conversions follow within its years; null where there is none.
    za::tz::ZoneHistoryPtr m_history;

    // Whether the history answers for the UTC instant (seconds since 1970).
    bool HistoryCovers(const SYSTEMTIME& utc, std::int64_t* seconds) const;
};

class CTimeZone : public CDBTimeZone {
public:
    CTimeZone() = default;
    CTimeZone(const CTimeZone& other) = default;
    CTimeZone& operator=(const CTimeZone& other) = default;
    ~CTimeZone() override = default;

    // The device's current UTC time minus the bias of the last evaluation.
    void GetLocalTime(SYSTEMTIME& local) const;
    void UTCTimeToLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local) const;
    // A local time of this zone to UTC. A local time the clocks skipped is taken as the time
    // after the gap (02:30 when 02:00 became 03:00 is 03:30 daylight time); one that occurs
    // twice is its first occurrence (daylight time). *kind, when given, tells which it was.
    void LocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc,
                            za::tz::ZoneHistory::LocalKind* kind = nullptr) const;
    // Makes this zone the device's zone, keeping the device's UTC time.
    BOOL SetSystemTimeZone();
};

// Daylight time in force at a UTC instant under a rule: from the start instant on (as in the tz
// database), until just before the end instant; a rule whose transitions have no instant is
// never in daylight time.
BOOL IsDaylightTime(const TIME_ZONE_INFORMATION& tzi, const SYSTEMTIME& utc);
// Sets the device clock (UTC) and its daylight flag for the device zone at that instant.
BOOL SetSystemTimeAndDST(const SYSTEMTIME& utc);
// The device zone's conversions, by its record of the instant's year (UTC year from UTC,
// local year from local time).
void UTCTimeToSystemLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local);
void SystemLocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc);
