#pragma once

#include <httplib.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

// A web server on 127.0.0.1 on a free port. Paths answer with fixed bytes or a
// handler of their own; other paths answer 404. Requests are recorded.
class StaticServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    StaticServer();
    ~StaticServer();
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    void Serve(const std::string& path, const std::string& body, int status = 200);
    void Handle(const std::string& path, Handler handler);
    std::vector<std::string> Requests() const;  // paths, in order
    std::string LastHeader(const std::string& name) const;
    void Hold() const;  // for handlers that keep a connection: returns when the server stops (10 s at most)

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Handler> handlers_;
    std::vector<std::string> requests_;
    httplib::Headers lastHeaders_;
};

}  // namespace kv::test
