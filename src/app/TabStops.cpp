#include "TabStops.h"

#include <algorithm>
#include <cmath>

namespace kv::app {

double AverageCharWidth(const QFontMetrics& metrics) {
    static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(kAlphabet) / 52.0;
}

QVector<int> TabStopsToPixels(const QVector<int>& units, const QFontMetrics& metrics) {
    const double avg = AverageCharWidth(metrics);
    QVector<int> px;
    px.reserve(units.size());
    for (int u : units) px.push_back(static_cast<int>(std::lround(u * avg / 4.0)));
    std::sort(px.begin(), px.end());
    return px;
}

}  // namespace kv::app
