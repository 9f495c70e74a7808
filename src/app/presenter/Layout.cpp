#include "app/presenter/Layout.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/StringUtil.h"

namespace kv {

namespace {

// Stores value in target when it is a valid size (not negative, fits 32 bits).
void SetIfValid(int32_t& target, int64_t value) {
    if (value >= 0 && value <= std::numeric_limits<int32_t>::max()) target = static_cast<int32_t>(value);
}

}  // namespace

MainLayout ComputeFormResize(const MainLayout& current, int32_t outerWidth, int32_t outerHeight,
                             bool minimized) {
    MainLayout next = current;
    if (minimized) return next;
    const int64_t w = outerWidth;
    const int64_t h = outerHeight;
    SetIfValid(next.searchFrameWidth, w - 270);
    SetIfValid(next.listWidth, w - 270);
    SetIfValid(next.listHeight, h - (int64_t{next.searchFrameHeight} + 1500));
    SetIfValid(next.statusFrameWidth, w - 270);
    SetIfValid(next.statusFrameTop, int64_t{next.listTop} + next.listHeight + 50);
    SetIfValid(next.statusLabelWidth, w - (270 + 250));
    return next;
}

double TwipsPerPixel(double logicalDpi) {
    if (!(logicalDpi > 0) || !std::isfinite(logicalDpi)) return 15.0;
    return 1440.0 / logicalDpi;
}

int32_t TwipsToPixels(int32_t twips, double logicalDpi) {
    return RoundHalfEven32(twips / TwipsPerPixel(logicalDpi));
}

int32_t PixelsToTwips(int32_t pixels, double logicalDpi) {
    return RoundHalfEven32(pixels * TwipsPerPixel(logicalDpi));
}

}  // namespace kv
