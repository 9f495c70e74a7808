#pragma once

#include <httplib.h>  // with it <atomic>, <chrono>, <functional>, <map>, <mutex>, <string>, <thread>, <vector>

namespace kv::test {

// A web server on 127.0.0.1 on a free port. Paths answer with fixed bytes or a
// handler of their own; other paths answer 404. Requested paths are recorded.
class StaticServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    static Handler Fixed(const std::string& body, int code = 200) {
        return [=](const auto&, httplib::Response& r) { r.status = code; r.set_content(body, "text/plain"); };
    }
    StaticServer() {
        server_.Get(".*", [this](const httplib::Request& req, httplib::Response& res) { Take(req.path)(req, res); });
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~StaticServer() { stopping_ = true; server_.stop(); thread_.join(); }
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    void Serve(const std::string& path, const std::string& body, int code = 200) { Handle(path, Fixed(body, code)); }
    void Handle(const std::string& path, Handler handler) { std::lock_guard lock(mutex_); handlers_[path] = handler; }
    std::vector<std::string> Requests() const { std::lock_guard lock(mutex_); return requests_; }
    // For handlers that keep a connection: returns when the server stops (10 s at most).
    void Hold() const {
        for (int i = 0; i < 1000 && !stopping_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    // Hostile modes.
    // body one byte at a time, a byte every interval, without a length; the
    // connection ends with the body, when the client leaves, or when the server stops.
    Handler Trickle(const std::string& body, std::chrono::milliseconds interval) {
        return [=, this](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("text/plain", [=, this](size_t offset, httplib::DataSink& sink) {
                if (offset >= body.size()) {
                    sink.done();
                    return true;
                }
                if (!sink.write(body.data() + offset, 1)) return false;
                for (auto waited = std::chrono::milliseconds(0); waited < interval && !stopping_;
                     waited += std::chrono::milliseconds(10))
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                return !stopping_.load();
            });
        };
    }
    // body with a Last-Modified header; answers 304 when If-Modified-Since repeats it.
    static Handler Stamped(const std::string& body, const std::string& lastModified) {
        return [=](const httplib::Request& req, httplib::Response& res) {
            if (req.get_header_value("If-Modified-Since") == lastModified) {
                res.status = 304;
                return;
            }
            res.set_header("Last-Modified", lastModified);
            res.set_content(body, "application/octet-stream");
        };
    }

private:
    // Records the request; the handler runs unlocked, as it may hold the connection.
    Handler Take(const std::string& path) {
        std::lock_guard lock(mutex_);
        requests_.push_back(path);
        const auto it = handlers_.find(path);
        return it != handlers_.end() ? it->second : Fixed("", 404);
    }
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Handler> handlers_;
    std::vector<std::string> requests_;
};

}  // namespace kv::test
