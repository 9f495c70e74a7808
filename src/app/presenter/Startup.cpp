#include "app/presenter/Startup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/StringUtil.h"

namespace kv {

int SplashWaitMilliseconds(double elapsedSeconds) {
    if (!std::isfinite(elapsedSeconds)) return 0;
    const int64_t remaining = RoundHalfEven(3.0 - elapsedSeconds);
    if (remaining <= 0) return 0;
    return static_cast<int>(std::min<int64_t>(remaining, 3) * 500);
}

}  // namespace kv
