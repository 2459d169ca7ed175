#include "udpsocket.h"

#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace za::net {

namespace {

SocketCalls& Current() {
    static SocketCalls calls = SystemSocketCalls();
    return calls;
}

}  // namespace

SocketCalls SystemSocketCalls() {
    SocketCalls c;
    c.socket = [](int family, int type, int protocol) { return ::socket(family, type, protocol); };
    c.connect = [](int fd, const sockaddr* address, socklen_t length) { return ::connect(fd, address, length); };
    c.send = [](int fd, const void* data, size_t length) { return ::send(fd, data, length, MSG_NOSIGNAL); };
    c.recv = [](int fd, void* buffer, size_t length) { return ::recv(fd, buffer, length, 0); };
    c.poll = [](pollfd* fds, nfds_t count, int timeoutMs) { return ::poll(fds, count, timeoutMs); };
    c.close = [](int fd) { return ::close(fd); };
    c.getaddrinfo = [](const char* node, const addrinfo* hints, addrinfo** result) {
        return ::getaddrinfo(node, nullptr, hints, result);
    };
    c.freeaddrinfo = [](addrinfo* list) { ::freeaddrinfo(list); };
    return c;
}

void SetSocketCalls(SocketCalls calls) { Current() = std::move(calls); }

DWORD WsaErrorFromErrno(int error) {
    switch (error) {
        case EINTR: return WSAEINTR;
        case EBADF: return WSAEBADF;
        case EACCES:
        case EPERM: return WSAEACCES;
        case EFAULT: return WSAEFAULT;
        case EINVAL: return WSAEINVAL;
        case EMFILE:
        case ENFILE: return WSAEMFILE;
        case EAGAIN: return WSAEWOULDBLOCK;
        case EMSGSIZE: return WSAEMSGSIZE;
        case EAFNOSUPPORT: return WSAEAFNOSUPPORT;
        case EADDRINUSE: return WSAEADDRINUSE;
        case EADDRNOTAVAIL: return WSAEADDRNOTAVAIL;
        case ENETDOWN: return WSAENETDOWN;
        case ENETUNREACH: return WSAENETUNREACH;
        case ECONNRESET: return WSAECONNRESET;
        case ENOBUFS:
        case ENOMEM: return WSAENOBUFS;
        case ENOTCONN: return WSAENOTCONN;
        case ETIMEDOUT: return WSAETIMEDOUT;
        case ECONNREFUSED: return WSAECONNREFUSED;
        case EHOSTUNREACH: return WSAEHOSTUNREACH;
        default: return WSASYSCALLFAILURE;
    }
}

}  // namespace za::net

namespace {

using za::net::Current;

bool FailWithErrno() {
    SetLastError(za::net::WsaErrorFromErrno(errno));
    return false;
}

DWORD ResolverError(int code, int error) {
    switch (code) {
        case EAI_NONAME: return WSAHOST_NOT_FOUND;
        case EAI_AGAIN: return WSATRY_AGAIN;
#ifdef EAI_NODATA
        case EAI_NODATA: return WSANO_DATA;
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY: return WSANO_DATA;
#endif
        case EAI_SYSTEM: return za::net::WsaErrorFromErrno(error);
        default: return WSANO_RECOVERY;
    }
}

// A numeric IPv4 or IPv6 address with the port; false for anything else (a name).
bool NumericAddress(const QByteArray& text, unsigned short port, sockaddr_storage* address, socklen_t* length) {
    std::memset(address, 0, sizeof *address);
    auto* v4 = reinterpret_cast<sockaddr_in*>(address);
    if (inet_pton(AF_INET, text.constData(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        *length = sizeof *v4;
        return true;
    }
    auto* v6 = reinterpret_cast<sockaddr_in6*>(address);
    if (inet_pton(AF_INET6, text.constData(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        *length = sizeof *v6;
        return true;
    }
    return false;
}

void SetPort(sockaddr* address, unsigned short port) {
    if (address->sa_family == AF_INET) reinterpret_cast<sockaddr_in*>(address)->sin_port = htons(port);
    if (address->sa_family == AF_INET6) reinterpret_cast<sockaddr_in6*>(address)->sin6_port = htons(port);
}

int OpenSocket(int family) { return Current().socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0); }

}  // namespace

CUdpSocket::~CUdpSocket() { Close(); }

CUdpSocket::CUdpSocket(CUdpSocket&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_family(std::exchange(other.m_family, 0)) {}

CUdpSocket& CUdpSocket::operator=(CUdpSocket&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_family = std::exchange(other.m_family, 0);
    }
    return *this;
}

bool CUdpSocket::Open() {
    Close();
    m_fd = OpenSocket(AF_INET);
    if (m_fd < 0) return FailWithErrno();
    m_family = AF_INET;
    return true;
}

bool CUdpSocket::ConnectTo(const sockaddr* address, socklen_t length) {
    if (address->sa_family != m_family) {
        const int fd = OpenSocket(address->sa_family);
        if (fd < 0) return FailWithErrno();
        Close();
        m_fd = fd;
        m_family = address->sa_family;
    }
    if (Current().connect(m_fd, address, length) != 0) return FailWithErrno();
    return true;
}

namespace {

// A host name as the name service takes it (RFC 1123, section 2.1): labels of letters, digits
// and hyphens (and the underscore some names carry), 1 to 63 characters each, not starting or
// ending with a hyphen, 253 characters in all; a final dot is allowed.
bool IsHostName(QByteArray name) {
    if (name.endsWith('.')) name.chop(1);
    if (name.isEmpty() || name.size() > 253) return false;
    for (const QByteArray& label : name.split('.')) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith('-') || label.endsWith('-')) return false;
        for (const char c : label) {
            const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                            c == '_';
            if (!ok) return false;
        }
    }
    return true;
}

}  // namespace

bool CUdpSocket::Connect(const QString& host, unsigned short port) {
    if (!IsOpen()) {
        SetLastError(WSAENOTCONN);
        return false;
    }
    QString text = host.trimmed();
    if (text.size() > 2 && text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) {
        text = text.mid(1, text.size() - 2);
    }
    sockaddr_storage numeric{};
    socklen_t numericLength = 0;
    if (NumericAddress(text.toLatin1(), port, &numeric, &numericLength)) {
        return ConnectTo(reinterpret_cast<const sockaddr*>(&numeric), numericLength);
    }
    // International names go to the resolver in their ASCII (punycode) form. One that cannot be
    // a host name at all is refused here, at once, rather than after the name service's
    // time-outs.
    const QByteArray name = QUrl::toAce(text);
    if (name.isEmpty() || !IsHostName(name)) {
        SetLastError(WSAHOST_NOT_FOUND);
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    addrinfo* list = nullptr;
    errno = 0;
    const int code = Current().getaddrinfo(name.constData(), &hints, &list);
    if (code != 0) {
        SetLastError(ResolverError(code, errno));
        return false;
    }
    bool connected = false;
    DWORD error = WSANO_DATA;
    for (addrinfo* a = list; a && !connected; a = a->ai_next) {
        if (a->ai_family != AF_INET && a->ai_family != AF_INET6) continue;
        SetPort(a->ai_addr, port);
        connected = ConnectTo(a->ai_addr, a->ai_addrlen);
        if (!connected) error = GetLastError();
    }
    Current().freeaddrinfo(list);
    if (!connected) SetLastError(error);
    return connected;
}

bool CUdpSocket::Send(const void* data, int length) {
    if (length < 0) {
        SetLastError(WSAEINVAL);
        return false;
    }
    const ssize_t sent = Current().send(m_fd, data, static_cast<size_t>(length));
    if (sent < 0) return FailWithErrno();
    return true;
}

int CUdpSocket::Receive(void* buffer, int length) {
    if (length < 0) {
        SetLastError(WSAEINVAL);
        return SOCKET_ERROR;
    }
    const ssize_t got = Current().recv(m_fd, buffer, static_cast<size_t>(length));
    if (got < 0) {
        FailWithErrno();
        return SOCKET_ERROR;
    }
    return static_cast<int>(got);
}

bool CUdpSocket::WaitReadable(int timeoutMs, bool* readable) {
    using Clock = std::chrono::steady_clock;
    *readable = false;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs > 0 ? timeoutMs : 0);
    for (;;) {
        // Rounded up: poll counts whole milliseconds and must not end the wait early.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{m_fd, POLLIN, 0};
        const int n = Current().poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
        if (n > 0) {
            // An error queued on the socket (a closed port's answer) counts: Receive reports it.
            *readable = (p.revents & (POLLIN | POLLERR)) != 0;
            if (p.revents & POLLNVAL) {
                SetLastError(WSAENOTCONN);
                return false;
            }
            return true;
        }
        if (n == 0) return true;
        if (errno != EINTR) return FailWithErrno();
    }
}

void CUdpSocket::Close() {
    if (m_fd >= 0) Current().close(m_fd);
    m_fd = -1;
    m_family = 0;
}
