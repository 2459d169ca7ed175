// Internet time: NTP timestamps, one SNTP exchange with a time server (RFC 4330) and the
// device clock set from its outcome. Shared by the Set Time dialog and zonaria-cli.
#pragma once

#include "wintypes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

// A 64-bit fixed-point time: the upper 32 bits are whole seconds since 1 January 1900
// 00:00 UTC, the lower 32 bits the fraction of a second. The seconds wrap on 7 February 2036
// 06:28:16 UTC; as RFC 4330 (section 3) says, a timestamp whose top bit is clear is read as
// the era after that wrap, so timestamps stand for 20 January 1968 03:14:08 to 26 February
// 2104 09:42:23 UTC. Times outside that window can be written but read back 136 years off.
struct NtpTimestamp {
    std::uint64_t value = 0;

    static NtpTimestamp Make(std::uint32_t seconds, std::uint32_t fraction) {
        return NtpTimestamp{(std::uint64_t{seconds} << 32) | fraction};
    }
    std::uint32_t Seconds() const { return static_cast<std::uint32_t>(value >> 32); }
    std::uint32_t Fraction() const { return static_cast<std::uint32_t>(value); }
    bool IsZero() const { return value == 0; }
    bool operator==(const NtpTimestamp& other) const { return value == other.value; }
    bool operator!=(const NtpTimestamp& other) const { return value != other.value; }

    // From a UTC time; the seconds are kept to 32 bits (a time after the 2036 wrap is written
    // in the next era), the fraction is round(milliseconds x 2^32 / 1000). FALSE, leaving the
    // timestamp as it was, for a time that does not exist (a month outside 1..12, a day beyond
    // the month's end, an hour, minute or second out of range, milliseconds of 1000 or more).
    BOOL FromSystemTime(const SYSTEMTIME& utc);
    // To a UTC time with its day of the week; milliseconds are fraction x 1000 / (2^32 - 1)
    // rounded to the nearest, and a rounding up to 1000 carries into the seconds.
    void ToSystemTime(SYSTEMTIME& utc) const;
    // a - b in seconds, each read in its era.
    static double Difference(const NtpTimestamp& a, const NtpTimestamp& b);
    // t moved by x seconds (negative moves back), the fraction carrying into or borrowing from
    // the seconds, which wrap in 32 bits. A non-finite x leaves t as it is.
    static NtpTimestamp AddSeconds(const NtpTimestamp& t, double x);

    // The wire form: two big-endian 32-bit words, seconds then fraction (8 bytes).
    void Write(unsigned char* bytes) const;
    static NtpTimestamp Read(const unsigned char* bytes);
};

// Julian day numbers of the proleptic Gregorian calendar (1 January 1900 is 2415021), with
// integer divisions toward zero, for years from 1 on.
long DateToDayNumber(int year, int month, int day);
void DayNumberToDate(long dayNumber, int& year, int& month, int& day);

// The outcome of one exchange. All four timestamps are zero before it.
struct SntpExchange {
    NtpTimestamp originate;    // T1: our transmit time, as the server echoed it
    NtpTimestamp receive;      // T2: when the request reached the server (server clock)
    NtpTimestamp transmit;     // T3: when the reply left the server (server clock)
    NtpTimestamp destination;  // T4: our clock when the reply was ready to be read
    double offset = 0;         // seconds to add to our clock: ((T2 - T1) + (T3 - T4)) / 2
    double delay = 0;          // round trip in seconds: (T4 - T1) - (T3 - T2), at least 0 (our
                               // clock's millisecond can make a very short one come out below)
    int stratum = 0;           // the server's stratum, 1 (primary) to 15
};

// Why a query failed; each refusal of a reply is one of the checks RFC 4330 (section 5) asks of
// a client, or of the round trip.
enum class SntpFailure {
    None,
    Socket,          // the socket could not be opened
    Connect,         // the host name does not resolve, or no address of it can be reached
    Clock,           // our clock does not read as a time (nothing is sent)
    Send,            // the request could not be sent
    Wait,            // the wait for the reply failed
    TimedOut,        // nothing arrived within the time-out
    Receive,         // receiving failed (a closed port on the server answers so)
    Empty,           // an empty datagram
    Short,           // fewer than 48 bytes; the detail is the count
    Mode,            // not mode 4 (server); the detail is the mode
    Version,         // a version outside 1..4; the detail is the version
    Unsynchronised,  // leap indicator 3: the server's clock is not synchronised
    KissOfDeath,     // stratum 0: the server tells us to go away
    Stratum,         // stratum above 15; the detail is the stratum
    NoTransmitTime,  // a zero transmit timestamp
    WrongOriginate,  // the originate timestamp is not the one this request sent
    NegativeDelay,   // the round trip comes out negative; the detail is the delay in microseconds
    SlowReply,       // the round trip is longer than the time-out; the detail as above
};

// The 13 public SNTP servers offered in the Set Time dialog's list, the first one preselected.
inline constexpr std::array<const char*, 13> kSntpServers = {
    "pool.ntp.org",
    "europe.pool.ntp.org",
    "north-america.pool.ntp.org",
    "asia.pool.ntp.org",
    "oceania.pool.ntp.org",
    "south-america.pool.ntp.org",
    "africa.pool.ntp.org",
    "time.google.com",
    "time.cloudflare.com",
    "time.windows.com",
    "time.apple.com",
    "time.nist.gov",
    "ptbtime1.ptb.de",
};
constexpr unsigned short kSntpPort = 123;
// How long the Set Time dialog waits for a reply, in milliseconds.
constexpr int kSntpTimeoutMs = 20000;

// One SNTP client. Query blocks for up to the time-out plus the name look-up, so the
// application runs it on a worker thread: the query path uses no Qt object with a thread
// affinity and no library-wide object, and reads the time only through the clock it is given
// (SetClock with za::device::DetachedSystemTime(), read on the library's thread before the
// worker starts; the default, GetSystemTime, reads the profile and belongs to that thread).
// A client is used by one thread at a time; read its results after the worker has ended.
class CSntpClient {
public:
    using Clock = std::function<void(SYSTEMTIME*)>;

    CSntpClient() = default;
    virtual ~CSntpClient() = default;

    // Milliseconds to wait for the reply (at least 0).
    void SetTimeout(int ms) { m_timeoutMs = ms < 0 ? 0 : ms; }
    int Timeout() const { return m_timeoutMs; }
    // The UTC clock the exchange reads (T1 and T4); an empty function means GetSystemTime.
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // One exchange with the server at host and port. TRUE fills exchange. FALSE leaves a
    // Winsock error code as the calling thread's last error (WSAETIMEDOUT, 10060, when nothing
    // arrived in time; ERROR_INVALID_DATA for a refused reply), kept by LastError() as well,
    // and the reason in Failure(); exchange is then left as it was. The socket is closed on
    // every path. The request's transmit time carries random bits below the clock's
    // millisecond, so that a forged reply cannot guess the originate timestamp it must echo.
    BOOL Query(const QString& host, SntpExchange& exchange, unsigned short port = kSntpPort);

    SntpFailure Failure() const { return m_failure; }
    // The offending value of a refused reply (see SntpFailure), else 0.
    long long FailureDetail() const { return m_detail; }
    DWORD LastError() const { return m_lastError; }

private:
    BOOL Fail(SntpFailure failure, DWORD error, long long detail = 0);
    void Now(SYSTEMTIME* utc) const;

    int m_timeoutMs = kSntpTimeoutMs;
    Clock m_clock;
    SntpFailure m_failure = SntpFailure::None;
    long long m_detail = 0;
    DWORD m_lastError = 0;
};

// Checks one datagram that came as the reply to the request whose transmit time was sent,
// read at arrived: returns SntpFailure::None and fills *exchange for a valid reply, else the
// check it fails with the offending value in *detail (see SntpFailure). size is the datagram's
// length in bytes (reply holds at least that many).
SntpFailure CheckSntpReply(const unsigned char* reply, int size, NtpTimestamp sent, NtpTimestamp arrived,
                           int timeoutMs, SntpExchange* exchange, long long* detail);

// A clock moved by more than this many seconds (a day, either way) is far more likely a wrong
// or forged reply than a clock that was off; the user confirms such a change first.
constexpr double kSntpConfirmOffsetSeconds = 86400;
// Whether an offset (seconds, as in SntpExchange) is beyond that bound, or not a number.
bool SntpOffsetNeedsConfirmation(double offset);

// The device clock's current time moved by offset seconds (an exchange's clock offset): now as
// a timestamp plus the offset, back to UTC. FALSE when the clock does not read as a time or
// the offset is not a number.
BOOL CorrectedSystemTime(double offset, SYSTEMTIME& utc);
// Sets the device clock to CorrectedSystemTime through SetSystemTimeAndDST, which also sets the
// device's daylight-time state; *set (when given) receives the time set. FALSE when the time
// cannot be had or the clock cannot be set. Both read the profile: call them on the library's
// thread.
BOOL SetSystemTimeByOffset(double offset, SYSTEMTIME* set = nullptr);
