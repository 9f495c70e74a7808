#include "platform/DesktopNotifier.h"

namespace kv {

namespace {
constexpr size_t kBacklog = 50;  // a desktop that does not answer: the newest count
}

DesktopNotifier::DesktopNotifier(std::string appName, std::function<void(const std::string&)> unavailable)
    : appName_(std::move(appName)), unavailable_(std::move(unavailable)) {
    thread_ = std::thread([this] { Run(); });
}

DesktopNotifier::~DesktopNotifier() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        if (cancelInFlight_) cancelInFlight_();
    }
    wake_.notify_all();
    thread_.join();
}

void DesktopNotifier::Show(std::string summary, std::string body) {
    {
        const std::lock_guard lock(mutex_);
        if (queue_.size() >= kBacklog) queue_.pop_front();
        queue_.push_back({std::move(summary), std::move(body)});
    }
    wake_.notify_all();
}

}  // namespace kv
