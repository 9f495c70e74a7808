#pragma once

namespace kv {

// How long the splash window still holds, given the seconds since it was
// shown: 1500 ms within half a second, then 1000, 500 and 0; never negative and
// never above 1500.
int SplashWaitMilliseconds(double elapsedSeconds);

}  // namespace kv
