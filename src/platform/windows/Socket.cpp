#include "platform/Socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "common/WindowsText.h"

namespace kv::net {

namespace {

SOCKET S(const Socket& s) { return static_cast<SOCKET>(s.Get()); }
Handle H(SOCKET s) { return s == INVALID_SOCKET ? kNoHandle : static_cast<Handle>(s); }

std::string SystemWords(int error) { return win::ErrorText(static_cast<unsigned long>(error)); }

// A socket that is not inherited by children (--exec's) and never blocks.
SOCKET NewSocket(int family, bool nonBlocking) {
    const SOCKET s = ::WSASocketW(family, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) return s;
    u_long on = nonBlocking ? 1 : 0;
    ::ioctlsocket(s, FIONBIO, &on);
    return s;
}

// host as the system's address; "localhost" is the IPv4 loopback, never a name lookup.
bool Resolve(const std::string& host, uint16_t port, sockaddr_storage& address, int& length) {
    std::memset(&address, 0, sizeof address);
    const std::string numeric = host == "localhost" ? "127.0.0.1" : host;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
    if (::inet_pton(AF_INET, numeric.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        length = sizeof *v4;
        return true;
    }
    if (::inet_pton(AF_INET6, numeric.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        length = sizeof *v6;
        return true;
    }
    return false;
}

std::string AddressText(const sockaddr_storage& address) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET)
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(&address)->sin_addr, text, sizeof text);
    else if (address.ss_family == AF_INET6)
        ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(&address)->sin6_addr, text, sizeof text);
    return text;
}

}  // namespace

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kNoHandle;
    }
    return *this;
}

void Socket::Close() {
    if (handle_ != kNoHandle) ::closesocket(static_cast<SOCKET>(handle_));
    handle_ = kNoHandle;
}

std::expected<void, std::string> StartNetworking() {
    static const int started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data);
    }();
    if (started != 0) return std::unexpected(SystemWords(started));
    return {};
}

std::expected<Socket, std::string> Listen(const std::string& host, uint16_t port, int backlog) {
    if (auto started = StartNetworking(); !started) return std::unexpected(started.error());
    sockaddr_storage address;
    int length = 0;
    if (!Resolve(host, port, address, length)) return std::unexpected(SystemWords(WSAEINVAL));
    Socket s(H(NewSocket(address.ss_family, true)));
    if (!s.Valid()) return std::unexpected(SystemWords(::WSAGetLastError()));
    // Windows' SO_REUSEADDR would let another program take the port from under
    // us; SO_EXCLUSIVEADDRUSE keeps it ours (a port in TIME_WAIT is free anyway).
    const BOOL one = TRUE;
    ::setsockopt(S(s), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&one), sizeof one);
    if (::bind(S(s), reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(S(s), backlog) != 0)
        return std::unexpected(SystemWords(::WSAGetLastError()));
    return s;
}

uint16_t LocalPort(const Socket& socket) {
    sockaddr_storage address{};
    int length = sizeof address;
    if (::getsockname(S(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return 0;
}

Socket Accept(const Socket& listener, std::string* peer) {
    sockaddr_storage address{};
    int length = sizeof address;
    const SOCKET s = ::accept(S(listener), reinterpret_cast<sockaddr*>(&address), &length);
    if (s == INVALID_SOCKET) return Socket();
    // Accepted sockets inherit the listener's non-blocking mode; not inherited by children.
    ::SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
    u_long on = 1;
    ::ioctlsocket(s, FIONBIO, &on);
    const BOOL one = TRUE;
    ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    if (peer) *peer = AddressText(address);
    return Socket(H(s));
}

IoResult Read(const Socket& socket, char* buffer, size_t size) {
    const int n = ::recv(S(socket), buffer, static_cast<int>(std::min<size_t>(size, INT_MAX)), 0);
    if (n > 0) return {IoStatus::Done, static_cast<size_t>(n)};
    if (n == 0) return {IoStatus::Closed};
    const int error = ::WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return {IoStatus::WouldBlock};
    return {error == WSAECONNRESET || error == WSAECONNABORTED ? IoStatus::Closed : IoStatus::Failed};
}

IoResult Write(const Socket& socket, const char* data, size_t size) {
    const int n = ::send(S(socket), data, static_cast<int>(std::min<size_t>(size, INT_MAX)), 0);
    if (n >= 0) return {IoStatus::Done, static_cast<size_t>(n)};
    const int error = ::WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return {IoStatus::WouldBlock};
    return {error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAESHUTDOWN ? IoStatus::Closed
                                                                                      : IoStatus::Failed};
}

std::string HostName() {
    if (!StartNetworking()) return "";
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

Socket Connect(const std::string& host, uint16_t port) {
    if (!StartNetworking()) return Socket();
    sockaddr_storage address;
    int length = 0;
    if (!Resolve(host, port, address, length)) return Socket();
    Socket s(H(NewSocket(address.ss_family, false)));
    if (!s.Valid()) return Socket();
    if (::connect(S(s), reinterpret_cast<const sockaddr*>(&address), length) != 0) return Socket();
    return s;
}

// Windows has no eventfd, and WSAPoll takes sockets only: the waker is a
// loopback UDP socket that sends itself a byte.
Waker::Waker() {
    if (!StartNetworking()) return;
    const SOCKET s = ::WSASocketW(AF_INET, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    u_long on = 1;
    if (::bind(s, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::connect(s, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::ioctlsocket(s, FIONBIO, &on) != 0) {
        ::closesocket(s);
        return;
    }
    read_ = write_ = static_cast<Handle>(s);
}

Waker::~Waker() {
    if (read_ != kNoHandle) ::closesocket(static_cast<SOCKET>(read_));
}

bool Waker::Valid() const { return read_ != kNoHandle; }

void Waker::Wake() {
    const char one = 1;
    ::send(static_cast<SOCKET>(write_), &one, 1, 0);
}

void Waker::Drain() {
    char bytes[64];
    while (::recv(static_cast<SOCKET>(read_), bytes, sizeof bytes, 0) > 0) {}
}

int Wait(std::span<Readiness> items, int timeoutMs, Waker& waker) {
    thread_local std::vector<WSAPOLLFD> fds;
    fds.assign(items.size() + 1, WSAPOLLFD{});
    fds[0] = {static_cast<SOCKET>(waker.WaitHandle()), POLLRDNORM, 0};
    for (size_t i = 0; i < items.size(); ++i) {
        const Readiness& r = items[i];
        const short events = static_cast<short>((r.wantRead ? POLLRDNORM : 0) | (r.wantWrite ? POLLWRNORM : 0));
        fds[i + 1] = {static_cast<SOCKET>(r.handle), events, 0};
    }
    const int n = ::WSAPoll(fds.data(), static_cast<ULONG>(fds.size()), timeoutMs);
    if (n <= 0) return 0;
    if (fds[0].revents & POLLRDNORM) waker.Drain();
    int ready = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        Readiness& r = items[i];
        const short got = fds[i + 1].revents;
        r.readable = got & POLLRDNORM;
        r.writable = got & POLLWRNORM;
        r.failed = got & (POLLERR | POLLHUP | POLLNVAL);
        if (r.readable || r.writable || r.failed) ++ready;
    }
    return ready;
}

}  // namespace kv::net
