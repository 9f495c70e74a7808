#pragma once

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

// A static web server on 127.0.0.1: paths map to (status, body). Requests are
// recorded so that tests can tell what was fetched.
class StaticServer {
public:
    StaticServer();
    ~StaticServer();
    StaticServer(const StaticServer&) = delete;
    StaticServer& operator=(const StaticServer&) = delete;

    // http://127.0.0.1:PORT
    std::string BaseUrl() const;
    void Serve(const std::string& path, const std::string& body, int status = 200);
    void Remove(const std::string& path);
    // path answers 302 with a Location of target.
    void Redirect(const std::string& path, const std::string& target);
    // Paths requested so far, in order.
    std::vector<std::string> Requests() const;
    int RequestCount(const std::string& path) const;
    // Request header of the latest request to any path.
    std::string LastHeader(const std::string& name) const;

private:
    struct Resource {
        int status;
        std::string body;
        std::string location;
    };
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::map<std::string, Resource> resources_;
    std::vector<std::string> requests_;
    std::multimap<std::string, std::string> lastHeaders_;
};

// A one-connection-at-a-time TCP server on 127.0.0.1 that answers every
// request with fixed bytes and then closes the connection, or, with stall,
// keeps it open without sending more until the client gives up or the server
// stops. For transfers that break off.
class RawServer {
public:
    RawServer(std::string response, bool stall);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    std::string BaseUrl() const;

private:
    void Run();

    std::string response_;
    bool stall_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (bound, then released).
int UnusedLoopbackPort();

}  // namespace kv::test
