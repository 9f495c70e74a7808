#include "platform/DesktopNotifier.h"

namespace kv {

// Windows has no freedesktop Notifications service: the first notice says so, the rest are dropped.
void DesktopNotifier::Run() {
    bool said = false;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        queue_.clear();
        if (said || !unavailable_) continue;
        said = true;
        lock.unlock();
        unavailable_("desktop notifications are not shown on Windows");
        lock.lock();
    }
}

}  // namespace kv
