// Time zones by time-zone ID: the rule with its offsets and daylight-time transitions, the
// suite's own daylight-time test, conversions between UTC and the local time of any zone, and
// the device's own zone. Biases are in minutes, UTC = local time + bias. Times are SYSTEMTIMEs;
// every one produced here has 0 milliseconds and a recomputed wDayOfWeek.
#pragma once

#include "wintypes.h"

#include <QString>

class CDBTimeZone {
public:
    CDBTimeZone();
    CDBTimeZone(const CDBTimeZone& other) = default;
    CDBTimeZone& operator=(const CDBTimeZone& other) = default;
    virtual ~CDBTimeZone() = default;

    // Bias 0, no daylight time, ID -1, empty name, all-zero rule.
    void Unload();
    // Loads the rule from Outlook (all zero for an ID it does not know) and the display name.
    // Always TRUE.
    BOOL Load(int id);
    BOOL IsLoaded() const { return m_id >= 0; }
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
    // The total bias in force at a UTC instant.
    int Bias(const SYSTEMTIME& utc) const;
    BOOL SupportsDST() const { return m_tzi.StandardDate.wMonth != 0; }
    // Whether daylight time was in force when the zone was last evaluated.
    BOOL IsDaylightTime() const { return m_bDaylight; }
    BOOL IsDaylightTime(const SYSTEMTIME& utc) const;
    // Evaluates the zone at the device's current UTC time.
    void AdjustBiasForDST();
    // "First Sunday in April to Last Sunday in October", or the text for no daylight time.
    QString GetDaylightRule() const;

protected:
    int m_bias;
    BOOL m_bDaylight;
    int m_id;
    QString m_name;
    TIME_ZONE_INFORMATION m_tzi;
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
    // A local time of this zone to UTC. A local time skipped at the start of daylight time, or
    // one that occurs twice at its end, gets the UTC instant of the rule's single correction.
    void LocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc) const;
    // Makes this zone the device's zone, keeping the device's UTC time.
    BOOL SetSystemTimeZone();
};

// Daylight time in force at a UTC instant under a rule. The transition instants themselves
// count as standard time; a rule whose transitions have no instant is never in daylight time.
BOOL IsDaylightTime(const TIME_ZONE_INFORMATION& tzi, const SYSTEMTIME& utc);
// Sets the device clock (UTC) and its daylight flag for the device zone at that instant.
BOOL SetSystemTimeAndDST(const SYSTEMTIME& utc);
void UTCTimeToSystemLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local);
void SystemLocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc);
