#pragma once

// Telling a user who is not looking at a terminal: a JSON notice posted to a
// web address of their choosing.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "usecases/Check.h"

namespace kv {

// One fake found or acted on, as a notice tells it.
struct FakeNotice {
    std::string hash;                  // 32 hex digits, "" when unknown
    std::string name;
    uint64_t size = 0;
    std::string verdict;               // "fake" or "suspect"
    std::vector<std::string> reasons;  // the list's words, or what the detectors found
    std::string action;                // "found", "paused", "cancelled", "cancelled-again"
    int64_t time = 0;                  // unix seconds
};

// The notice of a finding (action "found", time now).
[[nodiscard]] FakeNotice NoticeOf(const Finding& f);

// {"hash":..., "name":..., "size":..., "verdict":..., "reasons":[...],
//  "action":..., "time":...} on one line; every string valid UTF-8 with
// control characters escaped.
[[nodiscard]] std::string NoticeJson(const FakeNotice& notice);

// The body of a desktop notice: the name (control bytes made visible) on the
// first line, the reasons on the next, "; " between them.
[[nodiscard]] std::string NoticeBody(const FakeNotice& notice);

// Posts each notice to url on a thread of its own: the caller never waits.
// Each post has a time limit and is tried a bounded number of times (a 2xx
// answer ends it); notices beyond a bounded backlog are dropped, oldest
// first, and counted. Ends at once, a post in flight included.
class WebHook {
public:
    struct Options {
        int attempts = 3;
        long timeoutSeconds = 5;                     // each attempt, connecting included
        std::chrono::milliseconds pause{1000};       // between attempts
        size_t backlog = 100;
    };
    // failed is told, on the hook's thread, of each notice given up, with why.
    WebHook(std::string url, std::function<void(const FakeNotice&, const std::string& why)> failed, Options options);
    WebHook(std::string url, std::function<void(const FakeNotice&, const std::string& why)> failed)
        : WebHook(std::move(url), std::move(failed), Options{}) {}
    ~WebHook();
    WebHook(const WebHook&) = delete;
    WebHook& operator=(const WebHook&) = delete;

    void Post(FakeNotice notice);

private:
    void Run();

    const std::string url_;
    const std::function<void(const FakeNotice&, const std::string&)> failed_;
    const Options options_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<FakeNotice> queue_;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace kv
