#include "sntp.h"

#include "clock.h"
#include "oledate.h"
#include "timeservice.h"
#include "timezone.h"
#include "window.h"
#include "udpsocket.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace {

constexpr long kDay1900 = 2415021;  // day number of 1 January 1900
constexpr std::uint64_t kTwo32 = 0x100000000ULL;
constexpr double kFractionScale = 4294967295.0;  // 2^32 - 1, as the readers of the fraction use

// Request and reply layout (RFC 4330, section 4).
constexpr int kPacketSize = 48;
constexpr int kReplyRoom = 68;  // the header and room for a 20-byte authenticator
constexpr unsigned char kClientRequest = 0x1B;  // leap 0, version 3, mode 3 (client)
constexpr int kOriginateAt = 24;
constexpr int kReceiveAt = 32;
constexpr int kTransmitAt = 40;
constexpr int kModeServer = 4;
constexpr int kLeapUnsynchronised = 3;
constexpr int kMaxStratum = 15;

// T1 and T4 are two readings of a clock that counts whole milliseconds, T1 with random bits
// below the millisecond: their difference can come out up to 2 ms short of the true round
// trip. A delay more negative than this cannot come from a real exchange.
constexpr double kReadingError = 0.002;

// Seconds since 1900 of a timestamp's seconds read in its era (top bit clear: after 2036).
std::int64_t EraSeconds(std::uint32_t seconds) {
    return (seconds & 0x80000000u) ? std::int64_t{seconds} : std::int64_t{seconds} + std::int64_t(kTwo32);
}

bool ValidTime(const SYSTEMTIME& t) {
    return t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 && t.wDay <= za::DaysInMonth(t.wYear, t.wMonth) &&
           t.wHour <= 23 && t.wMinute <= 59 && t.wSecond <= 59 && t.wMilliseconds <= 999;
}

// A fraction of the millisecond below the clock's resolution: one step of a millisecond is
// 2^32 / 1000 = 4294967.296, and round(999 ms) + 4294966 is exactly 2^32 - 1, so adding this
// to a whole millisecond never carries into the seconds.
// The system's random source rather than a seeded generator, whose next outputs can be told
// from earlier ones.
std::uint32_t RandomSubMillisecond() {
    std::random_device source;
    return std::uniform_int_distribution<std::uint32_t>(0, 4294966)(source);
}

}  // namespace

long DateToDayNumber(int year, int month, int day) {
    long y = year;
    long m = month;
    if (month <= 2) {
        y = year - 1;
        m = month + 9;
    } else {
        m = month - 3;
    }
    const long c = y / 100;
    const long a = y - 100 * c;
    return (146097 * c) / 4 + (1461 * a) / 4 + (153 * m + 2) / 5 + day + 1721119;
}

void DayNumberToDate(long dayNumber, int& year, int& month, int& day) {
    const long j = 4 * (dayNumber - 1721119) - 1;
    const long c = j / 146097;
    const long d = ((j - 146097 * c) / 4) * 4 + 3;
    const long a = d / 1461;
    const long e = ((d - 1461 * a + 4) / 4) * 5 - 3;
    const long m = e / 153;
    day = static_cast<int>((e - 153 * m + 5) / 5);
    year = static_cast<int>(100 * c + a + (m >= 10 ? 1 : 0));
    month = static_cast<int>(m < 10 ? m + 3 : m - 9);
}

BOOL NtpTimestamp::FromSystemTime(const SYSTEMTIME& utc) {
    // The fraction used to come from a 1000-entry table indexed by the milliseconds; computing
    // it, and refusing a time that does not exist, leaves nothing to read past.
    if (!ValidTime(utc)) return FALSE;
    const std::int64_t days = DateToDayNumber(utc.wYear, utc.wMonth, utc.wDay) - kDay1900;
    const std::int64_t seconds = ((days * 24 + utc.wHour) * 60 + utc.wMinute) * 60 + utc.wSecond;
    const std::uint64_t fraction = (std::uint64_t{utc.wMilliseconds} * kTwo32 + 500) / 1000;
    *this = Make(static_cast<std::uint32_t>(seconds), static_cast<std::uint32_t>(fraction));
    return TRUE;
}

void NtpTimestamp::ToSystemTime(SYSTEMTIME& utc) const {
    std::int64_t s = EraSeconds(Seconds());
    // Nearest millisecond in integers: (f x 1000 + scale / 2) / scale.
    std::uint64_t ms = (std::uint64_t{Fraction()} * 2000 + 4294967295ULL) / (2 * 4294967295ULL);
    if (ms >= 1000) {
        ms -= 1000;
        ++s;
    }
    const long dayNumber = static_cast<long>(s / 86400) + kDay1900;
    int year = 0, month = 0, day = 0;
    DayNumberToDate(dayNumber, year, month, day);
    utc.wYear = static_cast<WORD>(year);
    utc.wMonth = static_cast<WORD>(month);
    utc.wDay = static_cast<WORD>(day);
    utc.wDayOfWeek = static_cast<WORD>((dayNumber + 1) % 7);
    utc.wHour = static_cast<WORD>((s / 3600) % 24);
    utc.wMinute = static_cast<WORD>((s / 60) % 60);
    utc.wSecond = static_cast<WORD>(s % 60);
    utc.wMilliseconds = static_cast<WORD>(ms);
}

double NtpTimestamp::Difference(const NtpTimestamp& a, const NtpTimestamp& b) {
    const std::int64_t sa = EraSeconds(a.Seconds());
    const std::int64_t sb = EraSeconds(b.Seconds());
    const bool negative = sa < sb || (sa == sb && a.Fraction() < b.Fraction());
    const NtpTimestamp& larger = negative ? b : a;
    const NtpTimestamp& smaller = negative ? a : b;
    std::int64_t seconds = EraSeconds(larger.Seconds()) - EraSeconds(smaller.Seconds());
    std::int64_t fraction = std::int64_t{larger.Fraction()} - std::int64_t{smaller.Fraction()};
    if (fraction < 0) {
        fraction += std::int64_t(kTwo32);
        --seconds;
    }
    const double d = static_cast<double>(seconds) + static_cast<double>(fraction) / kFractionScale;
    return negative ? -d : d;
}

NtpTimestamp NtpTimestamp::AddSeconds(const NtpTimestamp& t, double x) {
    if (!std::isfinite(x)) return t;
    double whole = 0;
    const double part = std::modf(std::fabs(x), &whole);
    const auto wholeSeconds = static_cast<std::uint32_t>(std::fmod(whole, 4294967296.0));
    const auto fraction = static_cast<std::uint64_t>(std::llround(part * kFractionScale));
    std::uint32_t seconds = t.Seconds();
    std::uint64_t lower = t.Fraction();
    if (x >= 0) {
        lower += fraction;
        seconds += wholeSeconds + static_cast<std::uint32_t>(lower >> 32);
    } else {
        const bool borrow = lower < fraction;
        lower = lower + (borrow ? kTwo32 : 0) - fraction;
        seconds -= wholeSeconds + (borrow ? 1u : 0u);
    }
    return Make(seconds, static_cast<std::uint32_t>(lower));
}

void NtpTimestamp::Write(unsigned char* bytes) const {
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (56 - 8 * i));
}

NtpTimestamp NtpTimestamp::Read(const unsigned char* bytes) {
    NtpTimestamp t;
    for (int i = 0; i < 8; ++i) t.value = (t.value << 8) | bytes[i];
    return t;
}

BOOL CSntpClient::Fail(SntpFailure failure, DWORD error, long long detail) {
    m_failure = failure;
    m_detail = detail;
    m_lastError = error;
    SetLastError(error);
    return FALSE;
}

void CSntpClient::Now(SYSTEMTIME* utc) const {
    if (m_clock) {
        m_clock(utc);
    } else {
        GetSystemTime(utc);
    }
}

BOOL CSntpClient::Query(const QString& host, SntpExchange& exchange, unsigned short port) {
    m_failure = SntpFailure::None;
    m_detail = 0;
    m_lastError = 0;

    CUdpSocket socket;
    if (!socket.Open()) return Fail(SntpFailure::Socket, GetLastError());
    if (!socket.Connect(host, port)) return Fail(SntpFailure::Connect, GetLastError());

    unsigned char request[kPacketSize] = {};
    request[0] = kClientRequest;
    SYSTEMTIME now{};
    Now(&now);
    NtpTimestamp sent;
    if (!sent.FromSystemTime(now)) return Fail(SntpFailure::Clock, ERROR_INVALID_DATA);
    sent = NtpTimestamp::Make(sent.Seconds(), sent.Fraction() + RandomSubMillisecond());
    sent.Write(request + kTransmitAt);
    if (!socket.Send(request, kPacketSize)) return Fail(SntpFailure::Send, GetLastError());

    // Any datagram from the server's address and port reaches us, so a stray or forged one
    // must not end the exchange: the wait goes on past a datagram that fails a check, until a
    // valid reply or the time-out. The first refusal is what a time-out then reports.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_timeoutMs);
    SntpFailure refused = SntpFailure::None;
    long long refusedDetail = 0;
    for (;;) {
        // Rounded up, so that the whole time-out is waited.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        bool readable = false;
        if (!socket.WaitReadable(static_cast<int>(std::max<long long>(left.count(), 0)), &readable)) {
            return Fail(SntpFailure::Wait, WSAETIMEDOUT);
        }
        if (!readable) {
            if (refused != SntpFailure::None) return Fail(refused, ERROR_INVALID_DATA, refusedDetail);
            return Fail(SntpFailure::TimedOut, WSAETIMEDOUT);
        }
        Now(&now);
        NtpTimestamp arrived;
        if (!arrived.FromSystemTime(now)) return Fail(SntpFailure::Clock, ERROR_INVALID_DATA);

        unsigned char reply[kReplyRoom] = {};
        const int got = socket.Receive(reply, kReplyRoom);
        if (got == SOCKET_ERROR) return Fail(SntpFailure::Receive, GetLastError());
        long long detail = 0;
        const SntpFailure failure = CheckSntpReply(reply, got, sent, arrived, m_timeoutMs, &exchange, &detail);
        if (failure == SntpFailure::None) return TRUE;
        if (refused == SntpFailure::None) {
            refused = failure;
            refusedDetail = detail;
        }
        if (std::chrono::steady_clock::now() >= deadline) return Fail(refused, ERROR_INVALID_DATA, refusedDetail);
    }
}

SntpFailure CheckSntpReply(const unsigned char* reply, int size, NtpTimestamp sent, NtpTimestamp arrived,
                           int timeoutMs, SntpExchange* exchange, long long* detail) {
    *detail = 0;
    // The checks RFC 4330 (section 5) asks of a client: a reply that fails one must not set
    // the clock.
    if (size <= 0) return SntpFailure::Empty;
    if (size < kPacketSize) {
        *detail = size;
        return SntpFailure::Short;
    }
    const int leap = reply[0] >> 6;
    const int version = (reply[0] >> 3) & 7;
    const int mode = reply[0] & 7;
    const int stratum = reply[1];
    if (mode != kModeServer) {
        *detail = mode;
        return SntpFailure::Mode;
    }
    if (version < 1 || version > 4) {
        *detail = version;
        return SntpFailure::Version;
    }
    if (leap == kLeapUnsynchronised) {
        *detail = leap;
        return SntpFailure::Unsynchronised;
    }
    if (stratum == 0) return SntpFailure::KissOfDeath;
    if (stratum > kMaxStratum) {
        *detail = stratum;
        return SntpFailure::Stratum;
    }
    const NtpTimestamp t1 = NtpTimestamp::Read(reply + kOriginateAt);
    const NtpTimestamp t2 = NtpTimestamp::Read(reply + kReceiveAt);
    const NtpTimestamp t3 = NtpTimestamp::Read(reply + kTransmitAt);
    if (t3.IsZero()) return SntpFailure::NoTransmitTime;
    if (t1 != sent) return SntpFailure::WrongOriginate;

    const double delay = NtpTimestamp::Difference(arrived, t1) - NtpTimestamp::Difference(t3, t2);
    if (delay < -kReadingError) {
        *detail = static_cast<long long>(std::llround(delay * 1e6));
        return SntpFailure::NegativeDelay;
    }
    if (delay > timeoutMs / 1000.0) {
        *detail = static_cast<long long>(std::llround(delay * 1e6));
        return SntpFailure::SlowReply;
    }
    exchange->originate = t1;
    exchange->receive = t2;
    exchange->transmit = t3;
    exchange->destination = arrived;
    exchange->offset = (NtpTimestamp::Difference(t2, t1) + NtpTimestamp::Difference(t3, arrived)) * 0.5;
    exchange->delay = delay < 0 ? 0.0 : delay;
    exchange->stratum = stratum;
    return SntpFailure::None;
}

bool SntpOffsetNeedsConfirmation(double offset) {
    return !(std::fabs(offset) <= kSntpConfirmOffsetSeconds);
}

BOOL CorrectedSystemTime(double offset, SYSTEMTIME& utc) {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    NtpTimestamp t;
    if (!std::isfinite(offset) || !t.FromSystemTime(now)) return FALSE;
    NtpTimestamp::AddSeconds(t, offset).ToSystemTime(utc);
    return TRUE;
}

BOOL SetSystemTimeByOffset(double offset, SYSTEMTIME* set) {
    SYSTEMTIME utc{};
    if (!CorrectedSystemTime(offset, utc)) return FALSE;
    if (set) *set = utc;
    if (za::device::Kind() == za::device::DeviceKind::Computer) {
        // The computer's clock is moved by the offset itself (SetTime relative), so the time
        // the call takes to be authorised is not lost.
        QString error;
        if (!za::device::AdjustComputerTime(std::llround(offset * 1000.0), &error)) {
            za::device::SetLastClockError(error);
            return FALSE;
        }
        za::device::SetLastClockError(QString());
        TIME_ZONE_INFORMATION zone{};
        SetDaylightTime(GetTimeZoneInformation(&zone) == TIME_ZONE_ID_DAYLIGHT ? 1 : 0);
        PostMessageW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0);
        return TRUE;
    }
    return SetSystemTimeAndDST(utc);
}
