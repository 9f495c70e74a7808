#include "LoopbackServer.h"

#include <chrono>
#include <stdexcept>

namespace kv::test {

StaticServer::StaticServer() {
    server_.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
        Handler handler = [](const httplib::Request&, httplib::Response& r) { r.status = 404; };
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(req.path);
            lastHeaders_ = req.headers;
            if (const auto it = handlers_.find(req.path); it != handlers_.end()) handler = it->second;
        }
        handler(req, res);  // unlocked: it may hold the connection
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

StaticServer::~StaticServer() {
    stopping_ = true;
    server_.stop();
    thread_.join();
}

void StaticServer::Serve(const std::string& path, const std::string& body, int status) {
    Handle(path, [body, status](const httplib::Request&, httplib::Response& res) {
        res.status = status;
        res.set_content(body, "application/octet-stream");
    });
}

void StaticServer::Handle(const std::string& path, Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    handlers_[path] = std::move(handler);
}

std::vector<std::string> StaticServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string StaticServer::LastHeader(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = lastHeaders_.find(name);  // names compare without case
    return it == lastHeaders_.end() ? "" : it->second;
}

void StaticServer::Hold() const {
    for (int i = 0; i < 1000 && !stopping_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace kv::test
