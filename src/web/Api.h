#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "common/Paths.h"
#include "usecases/Check.h"
#include "usecases/Watch.h"
#include "web/Auth.h"
#include "web/HttpServer.h"
#include "web/Serve.h"

namespace kv::web {

// The events a stream sends, kept a while so that a client that reconnects
// (Last-Event-ID) gets what it missed. The server's thread only.
class EventLog {
public:
    explicit EventLog(std::string boot) : boot_(std::move(boot)) {}
    // The frame for a new event of type with data (one line of JSON).
    std::string Append(std::string_view type, const std::string& data);
    // What followed the event lastId; a "reset" event (fetch everything again)
    // when that one is unknown or no longer kept.
    std::string Since(std::string_view lastId) const;

    static constexpr size_t kKept = 1000;

private:
    std::string boot_;  // tells this run's event ids from an earlier run's
    uint64_t next_ = 1;
    std::deque<std::pair<uint64_t, std::string>> frames_;
};

// Work that takes time (aMule, the network, a paste of links) done in order on
// a thread of its own, never on the server's; a bounded queue.
class Worker {
public:
    Worker();
    ~Worker();
    // false when kMaxWaiting jobs wait already.
    bool Add(std::function<void()> job);
    // Runs fn every intervalMs between jobs (first after intervalMs).
    void Every(int intervalMs, std::function<void()> fn);
    void Stop();

    static constexpr size_t kMaxWaiting = 16;

private:
    void Run();
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::function<void()> tick_;
    std::chrono::milliseconds tickEvery_{0};
    bool stop_ = false;
    std::thread thread_;
};

// The API and the page over the use cases. Requests are handled on the
// server's thread; the check runs on its own (CheckLoop) and hands its
// result over; the watch's reports arrive from the watch's thread.
class Api {
public:
    Api(HomeDirs dirs, ServeOptions options, Gate gate);
    void Attach(HttpServer& server);
    std::optional<Response> Handle(Request& r, ConnectionId id);

    // The check's thread: checks again whenever something may have changed, until StopChecking.
    void CheckLoop();
    void StopChecking();

    // From the watch's thread.
    void WatchStarted();
    void Found(const Finding& f);
    void Problem(const CheckFailure& failure);
    void Notice(const WatchNotice& n);
    void FilesChanged();
    // Ends the work thread (before the server stops).
    void StopWork();

    // A file change in a temp directory is followed by a check of every
    // download at most this often (the client rewrites its files all the
    // time); what the watch reports is checked after kSettleMs.
    // A burst of reports is checked once, and never sooner than kGapMs after
    // the check before: a client finding fakes every second does not keep
    // serve checking its whole queue.
    static constexpr int kRecheckMs = 30'000;
    static constexpr int kSettleMs = 300;
    static constexpr int kGapMs = 5'000;

private:
    struct Snapshot {
        bool ready = false;
        std::string body, etag;
        std::optional<CheckFailure> failure;
    };
    std::optional<Response> Route(Request& r, ConnectionId id);
    Response Findings(const Request& r) const;
    Response Events(const Request& r);
    Response Health() const;
    void Finish(ConnectionId id, Response response);
    // The answer computed by work on the worker's thread; 503 when too much waits.
    std::optional<Response> Defer(ConnectionId id, std::function<Response()> work);
    std::optional<Response> Download(const Request& r, ConnectionId id);
    std::optional<Response> Links(const Request& r, ConnectionId id, bool toAmule);
    Response Lists() const;
    Response Update();
    Response Status() const;
    // The worker's thread: whether aMule answers, told as an event when it changes.
    void ProbeAmule();
    void Publish(std::string type, std::string data);  // any thread
    void CheckSoon(bool urgent);                        // any thread
    void Adopt(Snapshot snapshot);                       // server thread

    HomeDirs dirs_;
    ServeOptions options_;
    Gate gate_;
    HttpServer* server_ = nullptr;
    EventLog events_;
    // The server's thread only.
    Snapshot snapshot_;
    std::vector<ConnectionId> waiting_;  // findings asked for before the first check ended
    bool watching_ = false;
    std::string amule_ = "{\"configured\":false,\"connected\":false}";  // its last state as JSON
    std::optional<bool> amuleConnected_;  // the worker's thread
    Worker worker_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false, urgent_ = false, changed_ = false;  // guarded by mutex_
};

}  // namespace kv::web
