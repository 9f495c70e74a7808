#include "platform/Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kv::net {

namespace {

int Fd(const Socket& s) { return static_cast<int>(s.Get()); }

std::string SystemWords(int error) { return std::strerror(error); }

// host as the system's address; "localhost" is the IPv4 loopback, never a name lookup.
bool Resolve(const std::string& host, uint16_t port, sockaddr_storage& address, socklen_t& length) {
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
    if (handle_ != kNoHandle) ::close(static_cast<int>(handle_));
    handle_ = kNoHandle;
}

std::expected<void, std::string> StartNetworking() { return {}; }

std::expected<Socket, std::string> Listen(const std::string& host, uint16_t port, int backlog) {
    sockaddr_storage address;
    socklen_t length = 0;
    if (!Resolve(host, port, address, length)) return std::unexpected(SystemWords(EINVAL));
    Socket s(::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (Fd(s) < 0) return std::unexpected(SystemWords(errno));
    const int one = 1;
    ::setsockopt(Fd(s), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(Fd(s), reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(Fd(s), backlog) != 0)
        return std::unexpected(SystemWords(errno));
    return s;
}

uint16_t LocalPort(const Socket& socket) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(Fd(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return 0;
}

Socket Accept(const Socket& listener, std::string* peer) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    for (;;) {
        const int fd = ::accept4(Fd(listener), reinterpret_cast<sockaddr*>(&address), &length,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0 && errno == EINTR) continue;
        // A connection reset before it was taken, the process out of descriptors: none now.
        if (fd < 0) return Socket();
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (peer) *peer = AddressText(address);
        return Socket(fd);
    }
}

IoResult Read(const Socket& socket, char* buffer, size_t size) {
    for (;;) {
        const ssize_t n = ::recv(Fd(socket), buffer, size, 0);
        if (n > 0) return {IoStatus::Done, static_cast<size_t>(n)};
        if (n == 0) return {IoStatus::Closed};
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {IoStatus::WouldBlock};
        return {IoStatus::Failed};
    }
}

IoResult Write(const Socket& socket, const char* data, size_t size) {
    for (;;) {
        const ssize_t n = ::send(Fd(socket), data, size, MSG_NOSIGNAL);
        if (n >= 0) return {IoStatus::Done, static_cast<size_t>(n)};
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {IoStatus::WouldBlock};
        return {errno == EPIPE || errno == ECONNRESET ? IoStatus::Closed : IoStatus::Failed};
    }
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

Socket Connect(const std::string& host, uint16_t port) {
    sockaddr_storage address;
    socklen_t length = 0;
    if (!Resolve(host, port, address, length)) return Socket();
    Socket s(::socket(address.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (Fd(s) < 0) return Socket();
    if (::connect(Fd(s), reinterpret_cast<const sockaddr*>(&address), length) != 0) return Socket();
    return s;
}

Waker::Waker() {
    const int fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    read_ = write_ = fd < 0 ? kNoHandle : fd;
}

Waker::~Waker() {
    if (read_ != kNoHandle) ::close(static_cast<int>(read_));
}

bool Waker::Valid() const { return read_ != kNoHandle; }

void Waker::Wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(static_cast<int>(write_), &one, sizeof one);
}

void Waker::Drain() {
    uint64_t count;
    [[maybe_unused]] const ssize_t n = ::read(static_cast<int>(read_), &count, sizeof count);
}

int Wait(std::span<Readiness> items, int timeoutMs, Waker& waker) {
    thread_local std::vector<pollfd> fds;
    fds.assign(items.size() + 1, pollfd{});
    fds[0] = {static_cast<int>(waker.WaitHandle()), POLLIN, 0};
    for (size_t i = 0; i < items.size(); ++i) {
        const Readiness& r = items[i];
        const short events = static_cast<short>((r.wantRead ? POLLIN : 0) | (r.wantWrite ? POLLOUT : 0));
        fds[i + 1] = {static_cast<int>(r.handle), events, 0};
    }
    int n;
    do n = ::poll(fds.data(), fds.size(), timeoutMs);
    while (n < 0 && errno == EINTR);
    if (n <= 0) return 0;
    if (fds[0].revents & POLLIN) waker.Drain();
    int ready = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        Readiness& r = items[i];
        const short got = fds[i + 1].revents;
        r.readable = got & POLLIN;
        r.writable = got & POLLOUT;
        r.failed = got & (POLLERR | POLLHUP | POLLNVAL);
        if (r.readable || r.writable || r.failed) ++ready;
    }
    return ready;
}

}  // namespace kv::net
