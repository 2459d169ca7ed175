#include "ntpservers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace za::test {

namespace {

constexpr int kStartSeconds = 5;

QString FindChronyd() {
    const QString given = qEnvironmentVariable("ZONARIA_CHRONYD");
    if (!given.isEmpty()) return given;
    QString found = QStandardPaths::findExecutable(QStringLiteral("chronyd"));
    if (found.isEmpty()) {
        found = QStandardPaths::findExecutable(QStringLiteral("chronyd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }
    if (!found.isEmpty()) return found;
    // Where tools/deps.sh unpacks Debian's chronyd without installing the package.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty()) cache = QDir::homePath() + QStringLiteral("/.cache");
    const QString unpacked = cache + QStringLiteral("/zonaria/chrony/usr/sbin/chronyd");
    return QFileInfo(unpacked).isExecutable() ? unpacked : QString();
}

// One SNTP request to 127.0.0.1:port; whether a reply of a full header came within 100 ms.
bool Answers(unsigned short port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    unsigned char packet[68] = {0x23};  // version 4, client
    bool answered = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 && ::send(fd, packet, 48, 0) == 48) {
        pollfd p{fd, POLLIN, 0};
        answered = ::poll(&p, 1, 100) == 1 && ::recv(fd, packet, sizeof packet, 0) >= 48;
    }
    ::close(fd);
    return answered;
}

bool ParseAddress(const char* text, sockaddr_storage* address, socklen_t* length, int* family) {
    std::memset(address, 0, sizeof *address);
    auto* v4 = reinterpret_cast<sockaddr_in*>(address);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(address);
    if (inet_pton(AF_INET, text, &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        *length = sizeof *v4;
    } else if (inet_pton(AF_INET6, text, &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        *length = sizeof *v6;
    } else {
        return false;
    }
    *family = address->ss_family;
    return true;
}

// A socket bound to the address with a port of the system's choice; -1 on failure.
int BoundSocket(const char* address, unsigned short* port, int* family) {
    sockaddr_storage a{};
    socklen_t length = 0;
    if (!ParseAddress(address, &a, &length, family)) return -1;
    const int fd = ::socket(*family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(*family == AF_INET ? reinterpret_cast<sockaddr_in*>(&a)->sin_port
                                     : reinterpret_cast<sockaddr_in6*>(&a)->sin6_port);
    return fd;
}

}  // namespace

unsigned short FreeUdpPort() {
    unsigned short port = 0;
    int family = 0;
    const int fd = BoundSocket("127.0.0.1", &port, &family);
    if (fd >= 0) ::close(fd);
    return port;
}

ChronyServer::ChronyServer() {
    const QString program = FindChronyd();
    if (program.isEmpty()) {
        m_why = QStringLiteral("chronyd was not found (tools/deps.sh unpacks it; ZONARIA_CHRONYD names another)");
        return;
    }
    // A port taken by someone else between the choice and chronyd's bind is tried again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (Start(program, FreeUdpPort())) return;
    }
}

ChronyServer::~ChronyServer() { Stop(); }

bool ChronyServer::Start(const QString& program, unsigned short port) {
    Stop();
    m_dir = std::make_unique<QTemporaryDir>();
    const QString conf = m_dir->filePath(QStringLiteral("chrony.conf"));
    QFile file(conf);
    if (!m_dir->isValid() || !file.open(QIODevice::WriteOnly)) {
        m_why = QStringLiteral("no temporary folder for chronyd's files");
        return false;
    }
    // Serves its own clock at stratum 8 to loopback only; no command port, no command socket
    // (which would live in /run/chrony), every file in the temporary folder.
    file.write(QStringLiteral("port %1\n"
                              "bindaddress 127.0.0.1\n"
                              "allow 127.0.0.1\n"
                              "local stratum 8\n"
                              "cmdport 0\n"
                              "bindcmdaddress /\n"
                              "pidfile %2\n"
                              "driftfile %3\n")
                   .arg(QString::number(port), m_dir->filePath(QStringLiteral("chronyd.pid")),
                        m_dir->filePath(QStringLiteral("chrony.drift")))
                   .toUtf8());
    file.close();
    // -x: never touch the clock; -d: foreground, log to stderr. As root chronyd would switch to
    // the package's user, which an unpacked copy does not have; as anyone else it stays who it is.
    QStringList args{QStringLiteral("-x"), QStringLiteral("-d"), QStringLiteral("-f"), conf};
    if (::geteuid() == 0) {
        args << QStringLiteral("-u") << QStringLiteral("root");
    } else if (const passwd* user = ::getpwuid(::geteuid())) {
        args << QStringLiteral("-U") << QStringLiteral("-u") << QString::fromLocal8Bit(user->pw_name);
    }
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(program, args);
    if (!m_process->waitForStarted(kStartSeconds * 1000)) {
        m_why = QStringLiteral("chronyd did not start: ") + m_process->errorString();
        m_process.reset();
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kStartSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Answers(port)) {
            m_port = port;
            return true;
        }
        if (m_process->waitForFinished(50)) {
            m_why = QStringLiteral("chronyd ended: ") + QString::fromLocal8Bit(m_process->readAll()).trimmed();
            m_process.reset();
            return false;
        }
    }
    m_why = QStringLiteral("chronyd did not answer within %1 s: ").arg(kStartSeconds) +
            QString::fromLocal8Bit(m_process->readAll()).trimmed();
    Stop();
    return false;
}

void ChronyServer::Stop() {
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
    m_dir.reset();
    m_port = 0;
}

HostileServer::HostileServer(Answer answer, bool fromOtherPort, const char* address) {
    m_fd = BoundSocket(address, &m_port, &m_family);
    if (m_fd < 0) return;
    m_thread = std::thread([this, answer = std::move(answer), fromOtherPort] { Serve(answer, fromOtherPort); });
}

HostileServer::~HostileServer() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_fd >= 0) ::close(m_fd);
}

void HostileServer::Serve(Answer answer, bool fromOtherPort) {
    while (!m_stop) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 20) != 1) continue;
        sockaddr_storage peer{};
        socklen_t peerLength = sizeof peer;
        Bytes request(1024);
        const ssize_t got = ::recvfrom(m_fd, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&peer), &peerLength);
        if (got < 0) continue;
        request.resize(static_cast<size_t>(got));
        ++m_requests;
        const std::optional<Bytes> reply = answer(request);
        if (!reply) continue;
        int from = m_fd;
        if (fromOtherPort) {
            unsigned short otherPort = 0;
            int family = 0;
            char text[INET6_ADDRSTRLEN] = {};
            const void* where = peer.ss_family == AF_INET
                                    ? static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&peer)->sin_addr)
                                    : static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&peer)->sin6_addr);
            inet_ntop(peer.ss_family, where, text, sizeof text);
            from = BoundSocket(text, &otherPort, &family);
            if (from < 0) continue;
        }
        ::sendto(from, reply->data(), reply->size(), 0, reinterpret_cast<sockaddr*>(&peer), peerLength);
        if (from != m_fd) ::close(from);
    }
}

std::uint64_t ReadTimestamp(const Bytes& packet, int offset) {
    std::uint64_t t = 0;
    for (int i = 0; i < 8; ++i) t = (t << 8) | packet[static_cast<size_t>(offset + i)];
    return t;
}

void WriteTimestamp(Bytes& packet, int offset, std::uint64_t t) {
    for (int i = 0; i < 8; ++i) packet[static_cast<size_t>(offset + i)] = static_cast<unsigned char>(t >> (56 - 8 * i));
}

Bytes ServerReply(const Bytes& request, std::int64_t shiftSeconds) {
    Bytes reply(48, 0);
    reply[0] = 0x24;  // leap 0, version 4, mode 4 (server)
    reply[1] = 2;     // stratum
    reply[2] = 6;     // poll
    reply[3] = 0xEC;  // precision 2^-20 s
    const std::uint64_t sent = request.size() >= 48 ? ReadTimestamp(request, 40) : 0;
    const std::uint64_t server = sent + (static_cast<std::uint64_t>(shiftSeconds) << 32);
    WriteTimestamp(reply, 16, server);  // reference time
    WriteTimestamp(reply, 24, sent);    // originate
    WriteTimestamp(reply, 32, server);  // receive
    WriteTimestamp(reply, 40, server);  // transmit
    return reply;
}

}  // namespace za::test
