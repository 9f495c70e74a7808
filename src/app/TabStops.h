#pragma once

#include <QFontMetrics>
#include <QVector>

namespace kv::app {

// Pixel width of one dialog template unit's base: the average character width
// of a font, measured over "A".."Z" and "a".."z".
double AverageCharWidth(const QFontMetrics& metrics);

// Tab stops given in dialog template units (a quarter of the average character
// width) as pixel positions, in rising order.
QVector<int> TabStopsToPixels(const QVector<int>& units, const QFontMetrics& metrics);

}  // namespace kv::app
