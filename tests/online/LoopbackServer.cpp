#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace kv::test {

StaticServer::StaticServer() {
    server_.Get(R"(/.*)", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(req.path);
        lastHeaders_ = {req.headers.begin(), req.headers.end()};
        const auto it = resources_.find(req.path);
        if (it == resources_.end()) {
            res.status = 404;
            res.set_content("", "text/plain");
            return;
        }
        res.status = it->second.status;
        if (!it->second.location.empty()) res.set_header("Location", it->second.location);
        res.set_content(it->second.body, "application/octet-stream");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

StaticServer::~StaticServer() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
}

std::string StaticServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

void StaticServer::Serve(const std::string& path, const std::string& body, int status) {
    std::lock_guard<std::mutex> lock(mutex_);
    resources_[path] = {status, body, ""};
}

void StaticServer::Redirect(const std::string& path, const std::string& target) {
    std::lock_guard<std::mutex> lock(mutex_);
    resources_[path] = {302, "", target};
}

void StaticServer::Remove(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    resources_.erase(path);
}

std::vector<std::string> StaticServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

int StaticServer::RequestCount(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    int count = 0;
    for (const auto& p : requests_) count += p == path ? 1 : 0;
    return count;
}

std::string StaticServer::LastHeader(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [key, value] : lastHeaders_)
        if (strcasecmp(key.c_str(), name.c_str()) == 0) return value;
    return "";
}

namespace {

int BindLoopback(int* port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        throw std::runtime_error("bind failed");
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    *port = ntohs(addr.sin_port);
    return fd;
}

// True once the poll says fd is readable; false when stop was asked for.
bool WaitReadable(int fd, const std::atomic<bool>& stopping) {
    while (!stopping) {
        pollfd p{fd, POLLIN, 0};
        const int r = ::poll(&p, 1, 50);
        if (r > 0) return true;
    }
    return false;
}

}  // namespace

RawServer::RawServer(std::string response, bool stall) : response_(std::move(response)), stall_(stall) {
    listenFd_ = BindLoopback(&port_);
    ::listen(listenFd_, 8);
    thread_ = std::thread([this] { Run(); });
}

RawServer::~RawServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    ::close(listenFd_);
}

std::string RawServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

void RawServer::Run() {
    while (WaitReadable(listenFd_, stopping_)) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        // Read the request up to its blank line.
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos && WaitReadable(fd, stopping_)) {
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        size_t sent = 0;
        while (sent < response_.size()) {
            const ssize_t n = ::send(fd, response_.data() + sent, response_.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += static_cast<size_t>(n);
        }
        if (stall_) {
            // Hold the connection until the client hangs up (recv gives 0).
            while (WaitReadable(fd, stopping_)) {
                if (::recv(fd, buffer, sizeof buffer, 0) <= 0) break;
            }
        }
        ::close(fd);
    }
}

int UnusedLoopbackPort() {
    int port = 0;
    const int fd = BindLoopback(&port);
    ::close(fd);
    return port;
}

}  // namespace kv::test
