#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// A notice on the user's desktop. Linux: the freedesktop Notifications service
// on the session bus. Windows: not shown (Unavailable says why).
namespace kv {

class DesktopNotifier {
public:
    // unavailable is told once, on the notifier's thread, when no notice can be
    // shown (no session bus, as on a server, or no notification service); the
    // notices after it are dropped quietly.
    DesktopNotifier(std::string appName, std::function<void(const std::string& why)> unavailable);
    ~DesktopNotifier();  // ends at once; a call in flight is given up to its time limit (a few seconds)
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // Queued for the notifier's thread: the caller never waits on the desktop.
    // summary and body are UTF-8 text to show as they are.
    void Show(std::string summary, std::string body);

private:
    struct Notice {
        std::string summary;
        std::string body;
    };
    void Run();

    const std::string appName_;
    const std::function<void(const std::string&)> unavailable_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Notice> queue_;
    bool stop_ = false;
    std::function<void()> cancelInFlight_;  // set while a call is out, under mutex_
    std::thread thread_;
};

}  // namespace kv
