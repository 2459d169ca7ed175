// A UDP socket as the handheld's Winsock gives one, over POSIX sockets: open, connect to a host
// and port (which fixes the peer, so datagrams from any other address or port never arrive),
// send, wait with a time-out, receive. Failures leave a Winsock error code as the thread's last
// error (GetLastError). The system calls go through a replaceable table so that tests can
// inject a time-out, a failed call or a hostile datagram without a network.
#pragma once

#include "wintypes.h"

#include <QString>

#include <functional>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>

// Winsock error codes: the BSD errno values plus 10000, and the resolver's own.
constexpr DWORD WSAEINTR = 10004;
constexpr DWORD WSAEBADF = 10009;
constexpr DWORD WSAEACCES = 10013;
constexpr DWORD WSAEFAULT = 10014;
constexpr DWORD WSAEINVAL = 10022;
constexpr DWORD WSAEMFILE = 10024;
constexpr DWORD WSAEWOULDBLOCK = 10035;
constexpr DWORD WSAEMSGSIZE = 10040;
constexpr DWORD WSAEAFNOSUPPORT = 10047;
constexpr DWORD WSAEADDRINUSE = 10048;
constexpr DWORD WSAEADDRNOTAVAIL = 10049;
constexpr DWORD WSAENETDOWN = 10050;
constexpr DWORD WSAENETUNREACH = 10051;
constexpr DWORD WSAECONNRESET = 10054;
constexpr DWORD WSAENOBUFS = 10055;
constexpr DWORD WSAENOTCONN = 10057;
constexpr DWORD WSAETIMEDOUT = 10060;
constexpr DWORD WSAECONNREFUSED = 10061;
constexpr DWORD WSAEHOSTUNREACH = 10065;
constexpr DWORD WSASYSCALLFAILURE = 10107;
constexpr DWORD WSAHOST_NOT_FOUND = 11001;
constexpr DWORD WSATRY_AGAIN = 11002;
constexpr DWORD WSANO_RECOVERY = 11003;
constexpr DWORD WSANO_DATA = 11004;

namespace za::net {

// The system calls behind CUdpSocket, each as its POSIX namesake: a result of -1 (or a
// non-zero getaddrinfo code) with errno set means failure.
struct SocketCalls {
    std::function<int(int family, int type, int protocol)> socket;
    std::function<int(int fd, const sockaddr* address, socklen_t length)> connect;
    std::function<ssize_t(int fd, const void* data, size_t length)> send;
    std::function<ssize_t(int fd, void* buffer, size_t length)> recv;
    std::function<int(pollfd* fds, nfds_t count, int timeoutMs)> poll;
    std::function<int(int fd)> close;
    // Fills *result with a list that freeaddrinfo releases.
    std::function<int(const char* node, const addrinfo* hints, addrinfo** result)> getaddrinfo;
    std::function<void(addrinfo* list)> freeaddrinfo;
};

// The real calls.
SocketCalls SystemSocketCalls();
// Replaces the calls for every socket of the process (tests only; set it before any socket is
// used, on one thread). SetSocketCalls(SystemSocketCalls()) restores the real ones.
void SetSocketCalls(SocketCalls calls);

// The Winsock code of an errno value (WSASYSCALLFAILURE for one without a counterpart).
DWORD WsaErrorFromErrno(int error);

}  // namespace za::net

// One socket, owned: it cannot be copied, a move hands it over, destruction closes it.
// Not shared between threads; one thread may use it while others use theirs.
class CUdpSocket {
public:
    CUdpSocket() = default;
    ~CUdpSocket();
    CUdpSocket(const CUdpSocket&) = delete;
    CUdpSocket& operator=(const CUdpSocket&) = delete;
    CUdpSocket(CUdpSocket&& other) noexcept;
    CUdpSocket& operator=(CUdpSocket&& other) noexcept;

    bool IsOpen() const { return m_fd >= 0; }
    // A datagram socket of the IPv4 family (Connect changes the family when the peer needs it).
    bool Open();
    // Connects to host (surrounding blanks ignored) at port: a dotted IPv4 address or an IPv6
    // address (bracketed or not) is used as it is, without a look-up; any other text is a name,
    // resolved, and its addresses tried in the resolver's order until one connects (so a name
    // with an IPv6 address the machine cannot reach still connects over IPv4). The socket is
    // reopened in the family of the address it connects to. The name look-up blocks for as long
    // as the system resolver takes. Fails with WSAHOST_NOT_FOUND, WSATRY_AGAIN or WSANO_DATA
    // when the name does not resolve, WSAENOTCONN on a socket that is not open.
    bool Connect(const QString& host, unsigned short port);
    // Sends one datagram to the connected peer; false when the call fails.
    bool Send(const void* data, int length);
    // Reads one datagram into buffer (a longer one is cut to length): its byte count, or -1
    // (SOCKET_ERROR) when the call fails, WSAECONNREFUSED when the peer's port is closed.
    int Receive(void* buffer, int length);
    // Waits up to timeoutMs milliseconds (at least 0) for a datagram or an error to be ready.
    // False when the wait itself fails; otherwise true with *readable telling whether one is.
    // A signal that interrupts the wait does not shorten it.
    bool WaitReadable(int timeoutMs, bool* readable);
    void Close();

private:
    bool ConnectTo(const sockaddr* address, socklen_t length);

    int m_fd = -1;
    int m_family = 0;
};

constexpr int SOCKET_ERROR = -1;
