// SNTP exchanges: against a real NTP server (chronyd) on loopback, against a hostile server
// for each reply a client must refuse, and through the socket seam for the failures a real
// network cannot be made to produce on demand.
#include "sntp.h"

#include "clock.h"
#include "ntpservers.h"
#include "oledate.h"
#include "profile.h"
#include "udpsocket.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>

using za::test::Bytes;
using za::test::FixedHostClock;
using za::test::HostileServer;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

constexpr std::int64_t kThreeHoursMs = 3 * 3600 * 1000;

// Moves the device clock to the host's time plus deltaMs.
void SetDeviceAhead(std::int64_t hostMs, std::int64_t deltaMs) {
    const std::int64_t target = hostMs + deltaMs;
    SYSTEMTIME st{};
    ASSERT_TRUE(za::SecondsToSystemTime(target / 1000, &st));
    st.wMilliseconds = static_cast<WORD>(target % 1000);
    ASSERT_TRUE(SetSystemTime(&st));
}

// What the Set Time dialog and zonaria-cli do: one query, and the clock set only on success.
BOOL Sync(CSntpClient& client, const QString& host, unsigned short port, SntpExchange* exchange = nullptr) {
    SntpExchange ex;
    if (!client.Query(host, ex, port)) return FALSE;
    if (exchange) *exchange = ex;
    return SetSystemTimeByOffset(ex.offset);
}

}  // namespace

class SntpChrony : public ProfileTest {};

// The real server serves the host clock; the device runs three hours ahead of it. The query
// runs on a worker thread, as the dialog runs it, with the clock that needs no profile.
TEST_F(SntpChrony, OneSyncSetsTheDeviceClockToTheHostClock) {
    za::test::ChronyServer chrony;
    if (!chrony.Running()) GTEST_SKIP() << "no NTP server to test against: " << chrony.Why().toStdString();
    SetDeviceAhead(QDateTime::currentMSecsSinceEpoch(), kThreeHoursMs);
    ASSERT_NEAR(double(kThreeHoursMs), double(za::device::NowUtcMs() - QDateTime::currentMSecsSinceEpoch()), 50.0);

    CSntpClient client;
    client.SetTimeout(2000);
    client.SetClock(za::device::DetachedSystemTime());
    SntpExchange exchange;
    BOOL ok = FALSE;
    std::thread worker([&] { ok = client.Query(QStringLiteral("127.0.0.1"), exchange, chrony.Port()); });
    worker.join();
    ASSERT_TRUE(ok) << "failure " << int(client.Failure()) << " error " << client.LastError();

    EXPECT_EQ(8, exchange.stratum);
    EXPECT_NEAR(-10800.0, exchange.offset, 0.05);
    EXPECT_GE(exchange.delay, 0.0);
    EXPECT_LT(exchange.delay, 1.0);  // loopback; a loaded machine may take a while
    EXPECT_NE(0u, exchange.receive.value);
    EXPECT_NEAR(-10800.0, NtpTimestamp::Difference(exchange.transmit, exchange.destination), 0.05);

    SYSTEMTIME set{};
    ASSERT_TRUE(SetSystemTimeByOffset(exchange.offset, &set));
    EXPECT_NEAR(0.0, double(za::device::NowUtcMs() - QDateTime::currentMSecsSinceEpoch()), 50.0);
}

// A server that answers with what each row makes of a well-formed reply. The host clock is
// fixed and the device three hours ahead of it; a well-formed reply says the device is one
// hour behind the server.
class SntpHostile : public ProfileTest {
protected:
    void SetUp() override { SetDeviceAhead(UtcMs(2026, 6, 1, 12), kThreeHoursMs); }

    std::int64_t DeviceOffsetMs() const { return za::device::NowUtcMs() - UtcMs(2026, 6, 1, 12); }

    FixedHostClock host{UtcMs(2026, 6, 1, 12)};
};

TEST_F(SntpHostile, EveryFaultyReplyIsRefusedAndTheClockStaysPut) {
    using Mutate = void (*)(Bytes&);
    struct Case {
        const char* name;
        Mutate mutate;  // null: no reply at all
        bool fromOtherPort;
        SntpFailure failure;
        DWORD error;
    } cases[] = {
        {"short reply", [](Bytes& r) { r.resize(47); }, false, SntpFailure::Short, ERROR_INVALID_DATA},
        {"mode 3 (client)", [](Bytes& r) { r[0] = 0x23; }, false, SntpFailure::Mode, ERROR_INVALID_DATA},
        {"mode 5 (broadcast)", [](Bytes& r) { r[0] = 0x25; }, false, SntpFailure::Mode, ERROR_INVALID_DATA},
        {"version 0", [](Bytes& r) { r[0] = 0x04; }, false, SntpFailure::Version, ERROR_INVALID_DATA},
        {"version 5", [](Bytes& r) { r[0] = 0x2C; }, false, SntpFailure::Version, ERROR_INVALID_DATA},
        {"leap 3 (not synchronised)", [](Bytes& r) { r[0] = 0xE4; }, false, SntpFailure::Unsynchronised, ERROR_INVALID_DATA},
        {"stratum 0 (kiss-o'-death)", [](Bytes& r) { r[1] = 0; }, false, SntpFailure::KissOfDeath, ERROR_INVALID_DATA},
        {"stratum 16", [](Bytes& r) { r[1] = 16; }, false, SntpFailure::Stratum, ERROR_INVALID_DATA},
        {"zero transmit timestamp", [](Bytes& r) { za::test::WriteTimestamp(r, 40, 0); }, false,
         SntpFailure::NoTransmitTime, ERROR_INVALID_DATA},
        {"wrong originate (one unit off)",
         [](Bytes& r) { za::test::WriteTimestamp(r, 24, za::test::ReadTimestamp(r, 24) ^ 1); }, false,
         SntpFailure::WrongOriginate, ERROR_INVALID_DATA},
        {"wrong originate (zero)", [](Bytes& r) { za::test::WriteTimestamp(r, 24, 0); }, false,
         SntpFailure::WrongOriginate, ERROR_INVALID_DATA},
        {"negative delay: the server held the request 10 s longer than the round trip",
         [](Bytes& r) { za::test::WriteTimestamp(r, 40, za::test::ReadTimestamp(r, 32) + (10ULL << 32)); }, false,
         SntpFailure::NegativeDelay, ERROR_INVALID_DATA},
        {"delay beyond the time-out: the server sent before it received",
         [](Bytes& r) { za::test::WriteTimestamp(r, 40, za::test::ReadTimestamp(r, 32) - (10ULL << 32)); }, false,
         SntpFailure::SlowReply, ERROR_INVALID_DATA},
        {"reply from another port", [](Bytes&) {}, true, SntpFailure::TimedOut, WSAETIMEDOUT},
        {"no reply at all", nullptr, false, SntpFailure::TimedOut, WSAETIMEDOUT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Mutate mutate = c.mutate;
        HostileServer server(
            [mutate](const Bytes& request) -> std::optional<Bytes> {
                if (!mutate) return std::nullopt;
                Bytes reply = za::test::ServerReply(request, 3600);
                mutate(reply);
                return reply;
            },
            c.fromOtherPort);
        ASSERT_TRUE(server.Ok());
        CSntpClient client;
        client.SetTimeout(200);
        SetLastError(0);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(Sync(client, QStringLiteral("127.0.0.1"), server.Port()));
        const auto waited = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(c.failure, client.Failure());
        EXPECT_EQ(c.error, client.LastError());
        EXPECT_EQ(c.error, GetLastError());
        EXPECT_EQ(1, server.Requests());
        EXPECT_EQ(kThreeHoursMs, DeviceOffsetMs());
        if (c.error == WSAETIMEDOUT) {
            EXPECT_GE(waited, std::chrono::milliseconds(200));
        }
    }
}

// The same server with a well-formed reply sets the clock, so the rows above would see a change.
TEST_F(SntpHostile, AWellFormedReplyIsTakenOverIPv4IPv6AndByName) {
    struct Case {
        const char* name;
        const char* bind;
        const char* host;
    } cases[] = {
        {"dotted IPv4", "127.0.0.1", "127.0.0.1"},
        {"IPv6", "::1", "::1"},
        {"bracketed IPv6", "::1", "[::1]"},
        {"a name through the resolver", "127.0.0.1", "localhost"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetDeviceAhead(UtcMs(2026, 6, 1, 12), kThreeHoursMs);
        HostileServer server([](const Bytes& request) { return std::optional<Bytes>(za::test::ServerReply(request, 3600)); },
                             false, c.bind);
        if (!server.Ok()) {
            ADD_FAILURE() << "cannot bind " << c.bind;
            continue;
        }
        CSntpClient client;
        client.SetTimeout(2000);
        SntpExchange exchange;
        ASSERT_TRUE(Sync(client, QString::fromLatin1(c.host), server.Port(), &exchange))
            << "failure " << int(client.Failure()) << " error " << client.LastError();
        EXPECT_NEAR(3600.0, exchange.offset, 0.002);
        EXPECT_EQ(2, exchange.stratum);
        // The host clock stands still: T4 - T1 is minus the part of a millisecond T1 adds, a
        // reading error that is reported as no delay.
        EXPECT_EQ(0.0, exchange.delay);
        EXPECT_NEAR(double(kThreeHoursMs + 3600 * 1000), double(DeviceOffsetMs()), 2.0);
    }
}

TEST_F(SntpHostile, AClosedPortRefusesAtOnce) {
    CSntpClient client;
    client.SetTimeout(5000);
    SntpExchange exchange;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.Query(QStringLiteral("127.0.0.1"), exchange, za::test::FreeUdpPort()));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(SntpFailure::Receive, client.Failure());
    EXPECT_EQ(WSAECONNREFUSED, client.LastError());
    EXPECT_EQ(0u, exchange.originate.value);
}

// The request as sent: 48 bytes, leap 0 version 3 mode 3, and the clock's reading with random
// bits below its millisecond as the transmit time, different for each request.
TEST_F(SntpHostile, TheRequestCarriesTheClockWithUnguessableBitsBelowTheMillisecond) {
    std::vector<Bytes> requests;
    std::mutex lock;
    HostileServer server([&](const Bytes& request) -> std::optional<Bytes> {
        std::lock_guard<std::mutex> hold(lock);
        requests.push_back(request);
        return za::test::ServerReply(request, 0);
    });
    SYSTEMTIME now{};
    GetSystemTime(&now);
    NtpTimestamp reading;
    ASSERT_TRUE(reading.FromSystemTime(now));
    for (int i = 0; i < 3; ++i) {
        CSntpClient client;
        SntpExchange exchange;
        ASSERT_TRUE(client.Query(QStringLiteral("127.0.0.1"), exchange, server.Port()));
    }
    std::lock_guard<std::mutex> hold(lock);
    ASSERT_EQ(3u, requests.size());
    for (const Bytes& r : requests) {
        ASSERT_EQ(48u, r.size());
        EXPECT_EQ(0x1B, r[0]);
        for (int i = 1; i < 40; ++i) EXPECT_EQ(0, r[static_cast<size_t>(i)]) << "byte " << i;
        const std::uint64_t sent = za::test::ReadTimestamp(r, 40);
        EXPECT_EQ(reading.Seconds(), sent >> 32);
        EXPECT_GE(std::uint32_t(sent), reading.Fraction());
        EXPECT_LT(std::uint32_t(sent) - reading.Fraction(), 4294967u);  // less than a millisecond
    }
    EXPECT_FALSE(requests[0] == requests[1] && requests[1] == requests[2]);
}

// The system calls replaced: failures and waits a real network does not give on demand.
class SntpSeam : public ProfileTest {
public:
    SntpSeam() {
        za::net::SocketCalls calls = za::net::SystemSocketCalls();
        calls.socket = [this](int family, int, int) {
            families.push_back(family);
            return 100 + static_cast<int>(families.size());
        };
        calls.close = [this](int) { return ++closed, 0; };
        calls.connect = [this](int, const sockaddr* a, socklen_t) {
            char text[INET6_ADDRSTRLEN] = {};
            const void* where = a->sa_family == AF_INET
                                    ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(a)->sin_addr)
                                    : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr);
            inet_ntop(a->sa_family, where, text, sizeof text);
            connected.push_back(text);
            ports.push_back(ntohs(a->sa_family == AF_INET ? reinterpret_cast<const sockaddr_in*>(a)->sin_port
                                                          : reinterpret_cast<const sockaddr_in6*>(a)->sin6_port));
            if (unreachable.count(text)) return errno = ENETUNREACH, -1;
            return 0;
        };
        calls.getaddrinfo = [this](const char* node, const addrinfo* hints, addrinfo** result) {
            looked.push_back(node);
            if (resolverCode != 0) return resolverCode;
            // The answer: the addresses in answers, through the real resolver's numeric path.
            addrinfo numeric = *hints;
            numeric.ai_flags |= AI_NUMERICHOST;
            addrinfo* head = nullptr;
            addrinfo** tail = &head;
            for (const std::string& address : answers) {
                addrinfo* one = nullptr;
                if (::getaddrinfo(address.c_str(), nullptr, &numeric, &one) != 0) return EAI_FAIL;
                *tail = one;
                while (*tail) tail = &(*tail)->ai_next;
            }
            *result = head;
            return 0;
        };
        calls.send = [this](int, const void* data, size_t length) -> ssize_t {
            const auto* bytes = static_cast<const unsigned char*>(data);
            request.assign(bytes, bytes + length);
            if (sendErrno) return errno = sendErrno, -1;
            return static_cast<ssize_t>(length);
        };
        calls.poll = [this](pollfd* fds, nfds_t, int timeoutMs) {
            waits.push_back(timeoutMs);
            if (pollErrno) return errno = pollErrno, -1;
            if (!reply && !recvErrno) return 0;
            fds[0].revents = POLLIN;
            return 1;
        };
        calls.recv = [this](int, void* buffer, size_t length) -> ssize_t {
            if (recvErrno) return errno = recvErrno, -1;
            Bytes r = reply ? reply(request) : Bytes();
            const size_t n = std::min(length, r.size());
            std::memcpy(buffer, r.data(), n);
            return static_cast<ssize_t>(n);
        };
        za::net::SetSocketCalls(calls);
    }
    ~SntpSeam() override { za::net::SetSocketCalls(za::net::SystemSocketCalls()); }

    int Opened() const { return static_cast<int>(families.size()); }

    std::vector<int> families;
    int closed = 0;
    std::vector<std::string> connected;
    std::vector<int> ports;
    std::set<std::string> unreachable;
    std::vector<std::string> looked;
    std::vector<std::string> answers{"192.0.2.7"};
    int resolverCode = 0;
    Bytes request;
    int sendErrno = 0;
    std::vector<int> waits;
    int pollErrno = 0;
    int recvErrno = 0;
    std::function<Bytes(const Bytes&)> reply;
};

TEST_F(SntpSeam, AddressesAreUsedWithoutALookUpAndNamesAreResolved) {
    struct Case {
        const char* name;
        const char* host;
        std::vector<std::string> answers;
        std::vector<std::string> unreachable;
        std::vector<int> families;  // sockets opened, in order
        std::vector<std::string> tried;
        std::vector<std::string> looked;
    } cases[] = {
        {"dotted IPv4", "192.0.2.1", {}, {}, {AF_INET}, {"192.0.2.1"}, {}},
        {"blanks around it", "  192.0.2.1 ", {}, {}, {AF_INET}, {"192.0.2.1"}, {}},
        {"IPv6 reopens the socket", "2001:db8::1", {}, {}, {AF_INET, AF_INET6}, {"2001:db8::1"}, {}},
        {"bracketed IPv6", "[2001:db8::1]", {}, {}, {AF_INET, AF_INET6}, {"2001:db8::1"}, {}},
        {"a name", "time.example.com", {"192.0.2.7"}, {}, {AF_INET}, {"192.0.2.7"}, {"time.example.com"}},
        {"a name whose IPv6 address is unreachable", "Time.Example.com", {"2001:db8::7", "192.0.2.7"},
         {"2001:db8::7"}, {AF_INET, AF_INET6, AF_INET}, {"2001:db8::7", "192.0.2.7"}, {"time.example.com"}},
        {"an international name goes out as punycode", "zeit.b\u00fccher.example", {"192.0.2.8"}, {}, {AF_INET},
         {"192.0.2.8"}, {"zeit.xn--bcher-kva.example"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        families.clear();
        connected.clear();
        ports.clear();
        looked.clear();
        closed = 0;
        answers = c.answers;
        unreachable = std::set<std::string>(c.unreachable.begin(), c.unreachable.end());
        {
            CUdpSocket socket;
            ASSERT_TRUE(socket.Open());
            EXPECT_TRUE(socket.Connect(QString::fromUtf8(c.host), 4123));
            EXPECT_TRUE(socket.IsOpen());
        }
        EXPECT_EQ(c.families, families);
        EXPECT_EQ(c.tried, connected);
        EXPECT_EQ(std::vector<int>(c.tried.size(), 4123), ports);
        EXPECT_EQ(c.looked, looked);
        EXPECT_EQ(Opened(), closed);
    }
}

TEST_F(SntpSeam, EveryFailureLeavesItsCodeAndClosesTheSocket) {
    struct Case {
        const char* name;
        void (*arrange)(SntpSeam&);
        SntpFailure failure;
        DWORD error;
    } cases[] = {
        {"unknown name", [](SntpSeam& t) { t.resolverCode = EAI_NONAME; }, SntpFailure::Connect, WSAHOST_NOT_FOUND},
        {"name service down", [](SntpSeam& t) { t.resolverCode = EAI_AGAIN; }, SntpFailure::Connect, WSATRY_AGAIN},
        {"every address unreachable", [](SntpSeam& t) { t.unreachable = {"192.0.2.7"}; }, SntpFailure::Connect,
         WSAENETUNREACH},
        {"send fails", [](SntpSeam& t) { t.sendErrno = ENETUNREACH; }, SntpFailure::Send, WSAENETUNREACH},
        {"the wait fails", [](SntpSeam& t) { t.pollErrno = ENOMEM; }, SntpFailure::Wait, WSAETIMEDOUT},
        {"nothing arrives", [](SntpSeam&) {}, SntpFailure::TimedOut, WSAETIMEDOUT},
        {"receive fails", [](SntpSeam& t) { t.recvErrno = ECONNRESET; }, SntpFailure::Receive, WSAECONNRESET},
        {"an empty datagram", [](SntpSeam& t) { t.reply = [](const Bytes&) { return Bytes(); }; }, SntpFailure::Empty,
         ERROR_INVALID_DATA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resolverCode = 0;
        unreachable.clear();
        sendErrno = pollErrno = recvErrno = 0;
        reply = nullptr;
        families.clear();
        closed = 0;
        c.arrange(*this);
        CSntpClient client;
        client.SetTimeout(100);  // an empty datagram is waited past until then
        SntpExchange exchange;
        SetLastError(0);
        EXPECT_FALSE(client.Query(QStringLiteral("time.example.com"), exchange, 123));
        EXPECT_EQ(c.failure, client.Failure());
        EXPECT_EQ(c.error, client.LastError());
        EXPECT_EQ(c.error, GetLastError());
        EXPECT_EQ(Opened(), closed);
        EXPECT_EQ(0u, exchange.transmit.value);
    }
}

// Every bad server name waited for the name service's time-outs and then read as "no
// connection": one that cannot be a host name is refused at once, without a look-up.
TEST_F(SntpSeam, ANameThatCannotBeAHostNameIsRefusedWithoutALookUp) {
    for (const char* bad : {"time server.example", "bad..example", "-lead.example", "x\ty.example", "a_b!.example",
                            "pool.ntp.org/"}) {
        SCOPED_TRACE(bad);
        looked.clear();
        CSntpClient client;
        SntpExchange exchange;
        EXPECT_FALSE(client.Query(QString::fromUtf8(bad), exchange, 123));
        EXPECT_EQ(SntpFailure::Connect, client.Failure());
        EXPECT_EQ(DWORD(WSAHOST_NOT_FOUND), client.LastError());
        EXPECT_TRUE(looked.empty());
    }
}

TEST_F(SntpSeam, TheWaitIsTheClientsTimeOut) {
    CSntpClient client;
    SntpExchange exchange;
    EXPECT_EQ(20000, client.Timeout());
    client.SetTimeout(1234);
    EXPECT_FALSE(client.Query(QStringLiteral("192.0.2.1"), exchange, 123));
    ASSERT_EQ(1u, waits.size());
    EXPECT_NEAR(1234, waits[0], 5);
    client.SetTimeout(-5);
    EXPECT_EQ(0, client.Timeout());
}

// One junk datagram before the real reply made the sync fail: a single spoofed packet denied
// time sync. The client waits on for a valid reply until its time-out, and a time-out after
// junk only says what the junk was.
TEST_F(SntpSeam, JunkBeforeTheReplyIsWaitedPast) {
    int sent = 0;
    reply = [&sent](const Bytes& request) {
        ++sent;
        Bytes r = za::test::ServerReply(request, 0);
        if (sent == 1) r.resize(20);   // short
        if (sent == 2) r[1] = 16;      // stratum 16
        if (sent == 3) r[24] ^= 0x01;  // not our originate time
        return r;
    };
    CSntpClient client;
    client.SetTimeout(5000);
    SntpExchange exchange;
    ASSERT_TRUE(client.Query(QStringLiteral("192.0.2.1"), exchange, 123)) << int(client.Failure());
    EXPECT_EQ(4, sent);
    EXPECT_EQ(4u, waits.size());

    // Nothing but junk: refused when the time is up, with the first refusal.
    reply = [](const Bytes& request) {
        Bytes r = za::test::ServerReply(request, 0);
        r[1] = 16;
        return r;
    };
    client.SetTimeout(50);
    EXPECT_FALSE(client.Query(QStringLiteral("192.0.2.1"), exchange, 123));
    EXPECT_EQ(SntpFailure::Stratum, client.Failure());
    EXPECT_EQ(16, client.FailureDetail());
}

// Offsets beyond a day are the user's to confirm: decades away is a wrong or forged reply.
TEST(SntpOffset, MoreThanADayEitherWayNeedsConfirmation) {
    EXPECT_FALSE(SntpOffsetNeedsConfirmation(0));
    EXPECT_FALSE(SntpOffsetNeedsConfirmation(-3600.5));
    EXPECT_FALSE(SntpOffsetNeedsConfirmation(86400));
    EXPECT_TRUE(SntpOffsetNeedsConfirmation(86400.001));
    EXPECT_TRUE(SntpOffsetNeedsConfirmation(-30.0 * 365 * 86400));
    EXPECT_TRUE(SntpOffsetNeedsConfirmation(std::nan("")));
}

TEST(UdpSocket, IsAMoveOnlyOwner) {
    static_assert(!std::is_copy_constructible_v<CUdpSocket>);
    static_assert(!std::is_copy_assignable_v<CUdpSocket>);
    static_assert(std::is_nothrow_move_constructible_v<CUdpSocket>);
    CUdpSocket a;
    EXPECT_FALSE(a.IsOpen());
    ASSERT_TRUE(a.Open());
    CUdpSocket b(std::move(a));
    EXPECT_FALSE(a.IsOpen());  // NOLINT(bugprone-use-after-move): the moved-from state is defined
    EXPECT_TRUE(b.IsOpen());
    CUdpSocket c;
    ASSERT_TRUE(c.Open());
    c = std::move(b);  // c's own socket is closed, b's handed over
    EXPECT_TRUE(c.IsOpen());
    EXPECT_FALSE(b.IsOpen());  // NOLINT(bugprone-use-after-move)
    c.Close();
    EXPECT_FALSE(c.IsOpen());
    SetLastError(0);
    EXPECT_FALSE(c.Connect(QStringLiteral("127.0.0.1"), 123));
    EXPECT_EQ(WSAENOTCONN, GetLastError());
}
