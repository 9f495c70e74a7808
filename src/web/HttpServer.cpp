#include "web/HttpServer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ctime>

namespace kv::web {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// nullopt for a broken escape or an encoded NUL.
std::optional<std::string> PercentDecoded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size()) return std::nullopt;
        const int hi = HexValue(s[i + 1]), lo = HexValue(s[i + 2]);
        if (hi < 0 || lo < 0 || (hi == 0 && lo == 0)) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

std::string HttpDate() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    gmtime_s(&tm, &now);
#else
    gmtime_r(&now, &tm);
#endif
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &tm);
    return text;
}

}  // namespace

std::string_view StatusText(int status) {
    switch (status) {
        case 100: return "Continue";
        case 200: return "OK";
        case 202: return "Accepted";
        case 204: return "No Content";
        case 303: return "See Other";
        case 304: return "Not Modified";
        case 400: return "Bad Request";
        case 401: return "Unauthorized";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 408: return "Request Timeout";
        case 409: return "Conflict";
        case 411: return "Length Required";
        case 413: return "Content Too Large";
        case 414: return "URI Too Long";
        case 415: return "Unsupported Media Type";
        case 429: return "Too Many Requests";
        case 431: return "Request Header Fields Too Large";
        case 500: return "Internal Server Error";
        case 501: return "Not Implemented";
        case 502: return "Bad Gateway";
        case 503: return "Service Unavailable";
        case 505: return "HTTP Version Not Supported";
        default: return "Unknown";
    }
}

const std::string* Request::Header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (key == name) return &value;
    return nullptr;
}

struct HttpServer::Connection {
    enum class State { Head, Body, Handling, Stream, Closing };
    ConnectionId id = 0;
    net::Socket socket;
    std::string peer;
    State state = State::Head;
    std::string in, out;
    size_t sent = 0;          // of out
    Request request;
    size_t bodyLength = 0;
    bool keepAlive = true;
    bool closeAfterWrite = false;
    bool peerDone = false;    // the client ended its side
    bool headBegun = true;    // a byte of the current request has come (its head's deadline runs)
    Clock::time_point deadline = Clock::time_point::max();
    Clock::time_point lastWrite{};
    bool Idle() const { return state == State::Head && in.empty() && out.size() == sent; }
    bool Pending() const { return out.size() > sent; }
};

HttpServer::HttpServer(net::Socket listener, Handler handler, HttpLimits limits)
    : listener_(std::move(listener)), handler_(std::move(handler)), limits_(limits) {}

HttpServer::~HttpServer() = default;

void HttpServer::Stop() {
    {
        std::lock_guard lock(tasksMutex_);
        stopping_ = true;
    }
    waker_.Wake();
}

void HttpServer::Post(std::function<void()> task) {
    {
        std::lock_guard lock(tasksMutex_);
        tasks_.push_back(std::move(task));
    }
    waker_.Wake();
}

void HttpServer::Every(int intervalMs, std::function<void()> fn) {
    tickMs_ = intervalMs;
    tick_ = std::move(fn);
    nextTick_ = Clock::now() + std::chrono::milliseconds(intervalMs);
}

size_t HttpServer::Streams() const {
    return static_cast<size_t>(std::ranges::count_if(
        connections_, [](const auto& entry) { return entry.second->state == Connection::State::Stream; }));
}

void HttpServer::RunTasks() {
    std::vector<std::function<void()>> tasks;
    {
        std::lock_guard lock(tasksMutex_);
        tasks.swap(tasks_);
    }
    for (auto& task : tasks) task();
}

int HttpServer::NextTimeoutMs(Clock::time_point now) const {
    Clock::time_point next = tick_ ? nextTick_ : Clock::time_point::max();
    for (const auto& [id, c] : connections_) next = std::min(next, c->deadline);
    if (next == Clock::time_point::max()) return -1;
    if (next <= now) return 0;
    // Rounded up: a wait that ends a little early would only wait again.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(next - now).count());
}

void HttpServer::Run() {
    std::vector<net::Readiness> ready;
    std::vector<ConnectionId> order;
    for (;;) {
        {
            std::lock_guard lock(tasksMutex_);
            if (stopping_) break;
        }
        RunTasks();
        Clock::time_point now = Clock::now();
        if (tick_ && now >= nextTick_) {
            nextTick_ = now + std::chrono::milliseconds(tickMs_);
            tick_();
        }
        Expire(now);
        ready.clear();
        order.clear();
        ready.push_back({listener_.Get(), true, false});
        for (const auto& [id, c] : connections_) {
            // A connection whose request is being answered is not read: its next request waits in the system.
            const bool read = c->state != Connection::State::Handling && c->state != Connection::State::Closing;
            ready.push_back({c->socket.Get(), read && !c->peerDone, c->Pending()});
            order.push_back(id);
        }
        if (net::Wait(ready, NextTimeoutMs(now), waker_) == 0) continue;
        if (ready[0].readable) AcceptAll();
        for (size_t i = 0; i < order.size(); ++i) {
            const net::Readiness& r = ready[i + 1];
            if (!r.readable && !r.writable && !r.failed) continue;
            const auto it = connections_.find(order[i]);
            if (it == connections_.end()) continue;
            Service(*it->second, r.readable, r.writable, r.failed);
            if (it->second->state == Connection::State::Closing && !it->second->Pending()) connections_.erase(it);
        }
    }
    connections_.clear();
}

void HttpServer::AcceptAll() {
    for (;;) {
        std::string peer;
        net::Socket s = net::Accept(listener_, &peer);
        if (!s.Valid()) return;
        if (connections_.size() >= limits_.maxConnections) {
            // Full: the connection that has sent the least for longest makes room; with
            // none of those (all answering or streaming), the newcomer is turned away.
            Connection* oldest = nullptr;
            for (const auto& [id, c] : connections_)
                if (c->state == Connection::State::Head && (!oldest || c->deadline < oldest->deadline))
                    oldest = c.get();
            if (!oldest) continue;  // s closes
            connections_.erase(oldest->id);
        }
        auto c = std::make_unique<Connection>();
        c->id = nextId_++;
        c->socket = std::move(s);
        c->peer = std::move(peer);
        c->deadline = Clock::now() + std::chrono::milliseconds(limits_.headMs);
        connections_.emplace(c->id, std::move(c));
    }
}

void HttpServer::Expire(Clock::time_point now) {
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->second->deadline <= now) it = connections_.erase(it);
        else ++it;
    }
}

void HttpServer::Service(Connection& c, bool readable, bool writable, bool failed) {
    if (writable) Flush(c);
    if (c.state == Connection::State::Closing) return;
    if (failed && !readable) {
        // Reset or broken: nothing can be read or written any more.
        c.state = Connection::State::Closing;
        c.out.clear(), c.sent = 0;
        return;
    }
    if (readable) ReadSome(c);
}

void HttpServer::ReadSome(Connection& c) {
    std::array<char, 16 * 1024> buffer;
    // At most a head, a body and a little more is kept; the rest waits in the system.
    const size_t room = limits_.maxHead + limits_.maxBody + buffer.size();
    bool ended = false, broken = false;
    for (int rounds = 0; rounds < 8 && c.in.size() < room; ++rounds) {
        const net::IoResult r = net::Read(c.socket, buffer.data(), buffer.size());
        if (r.status == net::IoStatus::WouldBlock) break;
        if (r.status != net::IoStatus::Done) {
            (r.status == net::IoStatus::Closed ? ended : broken) = true;
            break;
        }
        if (c.state == Connection::State::Stream) continue;  // a stream's client has nothing to say
        if (c.state == Connection::State::Head && !c.headBegun) {
            // The next request on a kept-alive connection: from its first byte the head's deadline runs.
            c.headBegun = true;
            c.deadline = Clock::now() + std::chrono::milliseconds(limits_.headMs);
        }
        c.in.append(buffer.data(), r.bytes);
    }
    if (broken) {
        c.state = Connection::State::Closing;
        c.out.clear(), c.sent = 0;
        return;
    }
    if (ended) c.peerDone = true;
    Parse(c);
    // The client said all it will: what it asked is answered (a request being
    // handled is answered, then closed), a half-sent one is dropped.
    if (ended && c.state != Connection::State::Handling && c.state != Connection::State::Closing) {
        c.state = Connection::State::Closing;
        if (!c.Pending()) c.deadline = Clock::now();
    }
}

void HttpServer::Refuse(Connection& c, int status) {
    Response response;
    response.status = status;
    response.contentType = "text/plain; charset=utf-8";
    response.body = std::string(StatusText(status)) + "\n";
    c.in.clear();
    Queue(c, std::move(response), false);
}

void HttpServer::Parse(Connection& c) {
    while (c.state == Connection::State::Head && !c.in.empty()) {
        // Empty lines before a request are allowed (a client's stray CRLF after a body).
        c.in.erase(0, std::min(c.in.find_first_not_of("\r\n"), c.in.size()));
        if (c.in.empty()) return;
        const size_t lineEnd = c.in.find('\n');
        if (lineEnd == std::string::npos ? c.in.size() > limits_.maxLine : lineEnd > limits_.maxLine)
            return Refuse(c, 414);
        size_t headEnd = c.in.find("\r\n\r\n");
        size_t skip = 4;
        if (const size_t bare = c.in.find("\n\n"); bare != std::string::npos && bare < headEnd) headEnd = bare, skip = 2;
        if (headEnd == std::string::npos) {
            if (c.in.size() > limits_.maxHead) return Refuse(c, 431);
            return;
        }
        if (headEnd > limits_.maxHead) return Refuse(c, 431);
        const std::string head = c.in.substr(0, headEnd);
        c.in.erase(0, headEnd + skip);

        Request& r = c.request;
        r = Request{};
        r.peer = c.peer;
        size_t at = head.find('\n');
        const std::string_view line = Trim(std::string_view(head).substr(0, at));
        const size_t sp1 = line.find(' '), sp2 = line.rfind(' ');
        if (sp1 == std::string_view::npos || sp2 == sp1) return Refuse(c, 400);
        r.method = std::string(line.substr(0, sp1));
        r.target = std::string(line.substr(sp1 + 1, sp2 - sp1 - 1));
        const std::string_view version = line.substr(sp2 + 1);
        if (version != "HTTP/1.1" && version != "HTTP/1.0") return Refuse(c, version.starts_with("HTTP/") ? 505 : 400);
        if (r.target.empty() || r.target[0] != '/' || r.target.find(' ') != std::string::npos) return Refuse(c, 400);
        while (at != std::string::npos) {
            const size_t next = head.find('\n', at + 1);
            const std::string_view raw = std::string_view(head).substr(at + 1, next - at - 1);
            at = next;
            const std::string_view field = Trim(raw);
            if (field.empty()) continue;
            const size_t colon = field.find(':');
            // A folded line or a name with spaces: a smuggling attempt or a broken client.
            if (colon == std::string_view::npos || colon == 0 || raw[0] == ' ' || raw[0] == '\t' ||
                field.substr(0, colon).find_first_of(" \t") != std::string_view::npos)
                return Refuse(c, 400);
            if (r.headers.size() >= limits_.maxHeaders) return Refuse(c, 431);
            r.headers.emplace_back(Lower(field.substr(0, colon)), std::string(Trim(field.substr(colon + 1))));
        }
        const std::string* connection = r.Header("connection");
        const std::string connectionWord = connection ? Lower(*connection) : "";
        c.keepAlive = version == "HTTP/1.1" ? connectionWord.find("close") == std::string::npos
                                            : connectionWord.find("keep-alive") != std::string::npos;
        if (r.Header("transfer-encoding")) return Refuse(c, 501);  // bodies come with a length
        c.bodyLength = 0;
        if (const std::string* length = r.Header("content-length")) {
            const auto [end, ec] = std::from_chars(length->data(), length->data() + length->size(), c.bodyLength);
            if (ec != std::errc() || end != length->data() + length->size()) return Refuse(c, 400);
            if (c.bodyLength > limits_.maxBody) return Refuse(c, 413);
        }
        const size_t question = r.target.find('?');
        const std::optional<std::string> path = PercentDecoded(std::string_view(r.target).substr(0, question));
        if (!path) return Refuse(c, 400);
        r.path = *path;
        if (question != std::string::npos) r.query = r.target.substr(question + 1);
        if (r.method == "HEAD") r.method = "GET", r.head = true;
        c.state = Connection::State::Body;
        c.deadline = Clock::now() + std::chrono::milliseconds(limits_.bodyMs);
        if (const std::string* expect = r.Header("expect"); expect && Lower(*expect) == "100-continue" &&
                                                            c.in.size() < c.bodyLength) {
            c.out += "HTTP/1.1 100 Continue\r\n\r\n";
            Flush(c);
        }
    }
    if (c.state != Connection::State::Body || c.in.size() < c.bodyLength) return;
    c.request.body = c.in.substr(0, c.bodyLength);
    c.in.erase(0, c.bodyLength);
    c.state = Connection::State::Handling;
    c.deadline = Clock::time_point::max();
    std::optional<Response> response = handler_(c.request, c.id);
    if (response) Reply(c.id, std::move(*response));
}

void HttpServer::Reply(ConnectionId id, Response response) {
    const auto it = connections_.find(id);
    if (it == connections_.end() || it->second->state != Connection::State::Handling) return;
    Connection& c = *it->second;
    if (c.peerDone && !response.stream) c.keepAlive = false;
    Queue(c, std::move(response), c.keepAlive);  // a connection done with is dropped by the loop
}

void HttpServer::Queue(Connection& c, Response&& response, bool keepAlive) {
    const bool head = c.request.head;
    std::string& out = c.out;
    out += "HTTP/1.1 ";
    out += std::to_string(response.status);
    out += ' ';
    out += StatusText(response.status);
    out += "\r\nDate: " + HttpDate() + "\r\n";
    if (!response.contentType.empty()) out += "Content-Type: " + response.contentType + "\r\n";
    for (const auto& [name, value] : response.headers) out += name + ": " + value + "\r\n";
    if (response.stream) {
        // No length: the stream lasts as long as the connection.
        out += "Connection: keep-alive\r\n\r\n";
        if (!head) out += response.body;
        c.state = Connection::State::Stream;
        c.deadline = Clock::time_point::max();
        c.request = Request{};
        c.lastWrite = Clock::now();
        Flush(c);
        return;
    }
    if (response.status != 304 && response.status != 204)
        out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    out += keepAlive ? "\r\n" : "Connection: close\r\n\r\n";
    if (!head && response.status != 304 && response.status != 204) out += response.body;
    c.closeAfterWrite = !keepAlive;
    c.state = keepAlive ? Connection::State::Head : Connection::State::Closing;
    c.headBegun = false;
    c.request = Request{};
    c.lastWrite = Clock::now();
    c.deadline = c.lastWrite + std::chrono::milliseconds(keepAlive ? limits_.idleMs : limits_.stallMs);
    Flush(c);
    // The next request may be here already.
    if (c.state == Connection::State::Head && !c.in.empty()) Parse(c);
}

void HttpServer::Flush(Connection& c) {
    while (c.Pending()) {
        const net::IoResult r = net::Write(c.socket, c.out.data() + c.sent, c.out.size() - c.sent);
        if (r.status == net::IoStatus::WouldBlock) break;
        if (r.status != net::IoStatus::Done) {
            c.state = Connection::State::Closing;
            c.out.clear(), c.sent = 0;
            return;
        }
        c.sent += r.bytes;
        c.lastWrite = Clock::now();
    }
    if (!c.Pending()) {
        c.out.clear(), c.sent = 0;
    } else if (c.sent > 64 * 1024) {
        c.out.erase(0, c.sent), c.sent = 0;
    }
    const auto now = Clock::now();
    if (c.Pending()) {
        // Waiting on the client to take the rest: it has stallMs from its last progress.
        const auto stall = c.lastWrite + std::chrono::milliseconds(limits_.stallMs);
        if (c.state != Connection::State::Head || c.deadline > stall) c.deadline = stall;
    } else if (c.state == Connection::State::Stream) {
        c.deadline = Clock::time_point::max();
    } else if (c.state == Connection::State::Closing) {
        c.deadline = now;  // written: closed at the next turn
    }
}

void HttpServer::Broadcast(std::string_view bytes) {
    for (auto it = connections_.begin(); it != connections_.end();) {
        Connection& c = *it->second;
        if (c.state != Connection::State::Stream) {
            ++it;
            continue;
        }
        if (c.out.size() - c.sent + bytes.size() > limits_.maxStreamBacklog) {
            it = connections_.erase(it);  // it would fall ever further behind
            continue;
        }
        c.out += bytes;
        Flush(c);
        if (c.state == Connection::State::Closing) it = connections_.erase(it);
        else ++it;
    }
}

}  // namespace kv::web
