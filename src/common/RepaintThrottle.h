#pragma once

#include <chrono>
#include <functional>

namespace kv {

// Lets a caller repaint as rows arrive, but at most once per interval, so that
// a long run does not spend its time repainting.
class RepaintThrottle {
public:
    using Clock = std::chrono::steady_clock;
    explicit RepaintThrottle(std::chrono::milliseconds interval = std::chrono::milliseconds(33),
                             std::function<Clock::time_point()> now = &Clock::now)
        : interval_(interval), now_(std::move(now)) {}

    // True when a repaint is due now (the first call always is).
    bool Due() {
        const auto t = now_();
        if (!started_ || t - last_ >= interval_) {
            started_ = true;
            last_ = t;
            return true;
        }
        return false;
    }

private:
    std::chrono::milliseconds interval_;
    std::function<Clock::time_point()> now_;
    Clock::time_point last_{};
    bool started_ = false;
};

}  // namespace kv
