#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Socket.h"

namespace kv::web {

struct Request {
    std::string method;  // as sent; HEAD is handed over as GET with head set
    std::string target;  // path and query, as sent
    std::string path;    // percent-decoded, without the query
    std::string query;   // after '?', still encoded
    std::vector<std::pair<std::string, std::string>> headers;  // names lower-cased
    std::string body;
    std::string peer;    // the client's address
    bool head = false;
    // The first header of that (lower-case) name, or nullptr.
    const std::string* Header(std::string_view name) const;
};

struct Response {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // An event stream: the headers and body go out now, the connection stays
    // open and takes every Broadcast until the client leaves.
    bool stream = false;
};

using ConnectionId = uint64_t;

// Caps that keep one client from holding the server: sizes refused with a
// status, and deadlines after which a connection is dropped.
struct HttpLimits {
    size_t maxHead = 16 * 1024;         // request line and headers together (431 beyond)
    size_t maxLine = 8 * 1024;          // the request line alone (414 beyond)
    size_t maxHeaders = 64;
    size_t maxBody = 1024 * 1024;       // 413 beyond
    size_t maxStreamBacklog = 1024 * 1024;  // a stream that cannot take more is dropped
    size_t maxConnections = 128;
    int headMs = 10'000;   // from its first byte the whole head must arrive within this (a trickling client is dropped)
    int bodyMs = 30'000;   // and then the body
    int idleMs = 30'000;   // a kept-alive connection with no new request
    int stallMs = 30'000;  // a client that takes none of the answer for this long
};

// A small HTTP/1.1 server on one thread: every connection is a state in one
// poll loop, so idle clients cost no thread and a slow one holds up nobody.
// Requests on one connection are answered in order, one at a time.
class HttpServer {
public:
    // The answer now, or nullopt when the handler answers later with Reply
    // (work done on another thread comes back through Post).
    using Handler = std::function<std::optional<Response>(Request&, ConnectionId)>;

    HttpServer(net::Socket listener, Handler handler, HttpLimits limits = {});
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Serves until Stop; then every connection is closed.
    void Run();

    // Any thread.
    void Stop();
    void Post(std::function<void()> task);
    // fn runs on the loop's thread every intervalMs (before Run).
    void Every(int intervalMs, std::function<void()> fn);

    // The loop's thread only (handlers, posted tasks, the ticker).
    void Reply(ConnectionId id, Response response);
    void Broadcast(std::string_view bytes);
    size_t Streams() const;
    size_t Connections() const { return connections_.size(); }

private:
    struct Connection;
    using Clock = std::chrono::steady_clock;
    void AcceptAll();
    void Service(Connection& c, bool readable, bool writable, bool failed);
    void ReadSome(Connection& c);
    void Parse(Connection& c);
    void Refuse(Connection& c, int status);
    void Queue(Connection& c, Response&& response, bool keepAlive);
    void Flush(Connection& c);
    void RunTasks();
    void Expire(Clock::time_point now);
    int NextTimeoutMs(Clock::time_point now) const;

    net::Socket listener_;
    Handler handler_;
    HttpLimits limits_;
    net::Waker waker_;
    std::map<ConnectionId, std::unique_ptr<Connection>> connections_;
    ConnectionId nextId_ = 1;
    std::mutex tasksMutex_;
    std::vector<std::function<void()>> tasks_;
    bool stopping_ = false;  // guarded by tasksMutex_
    int tickMs_ = -1;
    std::function<void()> tick_;
    Clock::time_point nextTick_{};
};

// "200 OK" and the like.
std::string_view StatusText(int status);

}  // namespace kv::web
