// --notify-url's notices against loopback receivers: one that takes them, one
// that answers 500, one that never answers.
#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <thread>

#include "usecases/Notify.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class Receiver {
public:
    Receiver() {
        server_.Post("/ok", [this](const httplib::Request& req, httplib::Response& res) {
            Take(req);
            res.status = 204;
        });
        server_.Post("/fail", [this](const httplib::Request& req, httplib::Response& res) {
            Take(req);
            res.status = 500;
        });
        server_.Post("/hang", [this](const httplib::Request& req, httplib::Response&) {
            Take(req);
            for (int i = 0; i < 1000 && !stopping_; ++i) std::this_thread::sleep_for(10ms);
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(5ms);
    }
    ~Receiver() {
        stopping_ = true;
        server_.stop();
        thread_.join();
    }
    std::string Url(const char* path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    // The bodies received once there are n of them (waits at most 30 s).
    std::vector<std::string> Bodies(size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 30s, [&] { return bodies_.size() >= n; });
        return bodies_;
    }

private:
    void Take(const httplib::Request& req) {
        const std::lock_guard lock(mutex_);
        bodies_.push_back(req.get_header_value("Content-Type") + " " + req.body);
        changed_.notify_all();
    }
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> bodies_;
};

struct GivenUp {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> why;
    void Add(const std::string& w) {
        const std::lock_guard lock(mutex);
        why.push_back(w);
        changed.notify_all();
    }
    std::vector<std::string> Wait(size_t n) {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, 30s, [&] { return why.size() >= n; });
        return why;
    }
};

FakeNotice Notice(std::string name) {
    return {"0123456789abcdef0123456789abcdef", std::move(name), 734003200, "fake", {"Trailer only"}, "cancelled",
            1765000000};
}

TEST(WebHook, EachNoticeIsPostedAsOneJsonObjectWhateverTheNameHolds) {
    Receiver receiver;
    GivenUp givenUp;
    {
        WebHook hook(receiver.Url("/ok"), [&](const FakeNotice&, const std::string& why) { givenUp.Add(why); });
        hook.Post(Notice("Film.avi"));
        hook.Post(Notice(std::string("bad\x01line\nand \xFF byte \"quoted\"")));
        ASSERT_EQ(receiver.Bodies(2).size(), 2u);
    }
    const auto bodies = receiver.Bodies(2);
    EXPECT_EQ(bodies[0],
              "application/json {\"hash\":\"0123456789abcdef0123456789abcdef\",\"name\":\"Film.avi\",\"size\":734003200,"
              "\"verdict\":\"fake\",\"reasons\":[\"Trailer only\"],\"action\":\"cancelled\",\"time\":1765000000}");
    const auto second = nlohmann::json::parse(bodies[1].substr(bodies[1].find(' ') + 1));
    EXPECT_EQ(second["name"].get<std::string>().substr(0, 3), "bad");
    EXPECT_NE(second["name"].get<std::string>().find("\"quoted\""), std::string::npos);
    EXPECT_TRUE(std::ranges::none_of(bodies[1], [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        << "no raw control byte on the wire";
    EXPECT_TRUE(givenUp.why.empty());
}

// A receiver that fails or never answers costs bounded tries, never the caller's time.
TEST(WebHook, AFailingOrHangingReceiverIsTriedABoundedNumberOfTimesThenGivenUp) {
    Receiver receiver;
    struct Case { const char* path; const char* why; };
    for (const Case& c : {Case{"/fail", "HTTP 500"}, Case{"/hang", "no answer in time"}}) {
        GivenUp givenUp;
        const auto before = receiver.Bodies(0).size();
        {
            WebHook hook(receiver.Url(c.path), [&](const FakeNotice&, const std::string& why) { givenUp.Add(why); },
                         {.attempts = 2, .timeoutSeconds = 1, .pause = 10ms, .backlog = 100});
            const auto posting = Clock::now();
            for (int i = 0; i < 3; ++i) hook.Post(Notice("n" + std::to_string(i)));
            std::cout << c.path << ": 3 posts returned in "
                      << std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - posting).count() << " us\n";
            const auto why = givenUp.Wait(3);
            ASSERT_EQ(why.size(), 3u) << c.path;
            EXPECT_EQ(why[0], c.why) << c.path;
        }
        EXPECT_EQ(receiver.Bodies(before + 6).size() - before, 6u) << c.path << ": two tries a notice";
    }
    // Going away mid-post ends the post at once.
    WebHook hook(receiver.Url("/hang"), nullptr, {.attempts = 3, .timeoutSeconds = 30, .pause = 10ms, .backlog = 100});
    const auto before = receiver.Bodies(0).size();
    hook.Post(Notice("held"));
    receiver.Bodies(before + 1);
}

}  // namespace
}  // namespace kv
