#include "RowColours.h"

#include <algorithm>
#include <cmath>

namespace kv::app {

namespace {

double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Mix(const QColor& a, const QColor& b, double share) {
    const auto channel = [share](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

constexpr double kReadable = 4.5;

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RowColours ColoursFor(RowKind kind, const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    if (kind == RowKind::Plain) return {base, text};
    // On a light base the pale pink and amber of old; on a dark one a deep tint of the same hues.
    const bool light = Luminance(base) > 0.4;
    const QColor tint = kind == RowKind::Fake ? (light ? QColor(255, 212, 212) : QColor(200, 40, 40))
                                              : (light ? QColor(255, 236, 176) : QColor(200, 150, 0));
    const QColor background = light ? tint : Mix(base, tint, 0.35);
    if (ContrastRatio(text, background) >= kReadable) return {background, text};
    const QColor black(Qt::black), white(Qt::white);
    return {background, ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white};
}

}  // namespace kv::app
