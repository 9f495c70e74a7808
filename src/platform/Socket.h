#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <span>
#include <string>

// Stream sockets for a server on one thread: a listener, the connections it
// accepts, reads and writes that never block, and a wait for readiness that a
// Waker interrupts from any thread. Nothing here knows about HTTP.
namespace kv::net {

using Handle = intptr_t;
inline constexpr Handle kNoHandle = -1;

// Owns one socket; closed when dropped.
class Socket {
public:
    Socket() = default;
    explicit Socket(Handle h) : handle_(h) {}
    Socket(Socket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoHandle; }
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket() { Close(); }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != kNoHandle; }
    void Close();

private:
    Handle handle_ = kNoHandle;
};

// Sockets need the system's networking started (Windows); once per process, before the first socket.
std::expected<void, std::string> StartNetworking();

// A non-blocking listener on host (a numeric IPv4 or IPv6 address, or
// "localhost") and port (0: one the system picks). The error is the system's words.
std::expected<Socket, std::string> Listen(const std::string& host, uint16_t port, int backlog = 64);
// The port a socket is bound to (a listener on port 0 learns its own).
uint16_t LocalPort(const Socket& socket);

// A waiting connection, non-blocking; an invalid socket when none waits. peer: its address as text.
Socket Accept(const Socket& listener, std::string* peer);

enum class IoStatus { Done, WouldBlock, Closed, Failed };
struct IoResult {
    IoStatus status;
    size_t bytes = 0;
};
// Never block; Closed: the peer ended its side (read) or the connection is gone (write).
IoResult Read(const Socket& socket, char* buffer, size_t size);
IoResult Write(const Socket& socket, const char* data, size_t size);
// This machine's name on the network ("" when it has none).
std::string HostName();
// A blocking connection to host:port, for clients and tests; invalid when refused.
Socket Connect(const std::string& host, uint16_t port);

// Wakes a Wait from another thread; safe to call from any thread, any number of times.
class Waker {
public:
    Waker();
    ~Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;
    bool Valid() const;
    void Wake();
    // For Wait: the handle that turns readable when woken, and taking the wake-up.
    Handle WaitHandle() const { return read_; }
    void Drain();

private:
    Handle read_ = kNoHandle, write_ = kNoHandle;
};

// What a wait asks of a socket and what it found.
struct Readiness {
    Handle handle = kNoHandle;
    bool wantRead = false, wantWrite = false;
    bool readable = false, writable = false, failed = false;  // failed: hung up or in error (read to learn which)
};

// Waits until one of items is ready as asked, the waker is woken or timeoutMs
// pass (-1: without limit). Returns how many items are ready (0: time passed or woken).
int Wait(std::span<Readiness> items, int timeoutMs, Waker& waker);

}  // namespace kv::net
