// Time servers on loopback for the SNTP tests: Debian's chronyd serving the host's clock on a
// high port without ever touching that clock, and a hostile server that answers one request
// with whatever datagram a test makes of it.
#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QProcess;
class QTemporaryDir;

namespace za::test {

using Bytes = std::vector<unsigned char>;

// chronyd -x (no control of the clock) in the foreground, on a free port of 127.0.0.1, with
// its configuration, pid and drift files in a temporary folder, and neither the command port
// nor the command socket; stopped by the destructor. The program is $ZONARIA_CHRONYD, else
// chronyd on the PATH or in /usr/sbin, else the copy tools/deps.sh unpacks into
// ${XDG_CACHE_HOME:-~/.cache}/zonaria/chrony.
class ChronyServer {
public:
    ChronyServer();
    ~ChronyServer();
    ChronyServer(const ChronyServer&) = delete;
    ChronyServer& operator=(const ChronyServer&) = delete;

    // Serving: it answered a request.
    bool Running() const { return m_port != 0; }
    // Why it does not run (not found, exited, never answered), with chronyd's own words.
    QString Why() const { return m_why; }
    unsigned short Port() const { return m_port; }

private:
    bool Start(const QString& program, unsigned short port);
    void Stop();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    unsigned short m_port = 0;
    QString m_why;
};

// One UDP socket on a loopback address that answers the first request it gets: Answer turns the
// request into the reply's bytes, or into nothing (no reply). With fromOtherPort the reply
// leaves from a second socket, as a forger's would.
class HostileServer {
public:
    using Answer = std::function<std::optional<Bytes>(const Bytes& request)>;

    // address: "127.0.0.1", "::1" or any numeric address of this machine.
    explicit HostileServer(Answer answer, bool fromOtherPort = false, const char* address = "127.0.0.1");
    ~HostileServer();
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    bool Ok() const { return m_fd >= 0; }
    unsigned short Port() const { return m_port; }
    // Requests received so far.
    int Requests() const { return m_requests; }

private:
    void Serve(Answer answer, bool fromOtherPort);

    int m_fd = -1;
    int m_family = 0;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

// NTP timestamps in a datagram: two big-endian 32-bit words at offset.
std::uint64_t ReadTimestamp(const Bytes& packet, int offset);
void WriteTimestamp(Bytes& packet, int offset, std::uint64_t t);

// A well-formed server reply to request: leap 0, version 4, mode 4, stratum 2, the request's
// transmit timestamp as originate, and receive and transmit times shiftSeconds after it.
Bytes ServerReply(const Bytes& request, std::int64_t shiftSeconds);

// A UDP port of 127.0.0.1 that was free a moment ago (nothing listens on it).
unsigned short FreeUdpPort();

}  // namespace za::test
