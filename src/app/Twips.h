#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include "app/presenter/Layout.h"

namespace kv::app {

// Window and control geometry is given in twips (1/1440 inch): 15 twips per
// pixel at 96 dpi, fewer on a denser screen.
inline double LogicalDpi(const QWidget* widget) { return widget ? widget->logicalDpiX() : 96.0; }

inline int TwipsToPixels(int twips, const QWidget* widget) {
    return kv::TwipsToPixels(twips, LogicalDpi(widget));
}

inline int PixelsToTwips(int pixels, const QWidget* widget) {
    return kv::PixelsToTwips(pixels, LogicalDpi(widget));
}

inline QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget) {
    return QRect(TwipsToPixels(left, widget), TwipsToPixels(top, widget),
                 TwipsToPixels(width, widget), TwipsToPixels(height, widget));
}

inline QSize TwipsSize(int width, int height, const QWidget* widget) {
    return QSize(TwipsToPixels(width, widget), TwipsToPixels(height, widget));
}

// Places a child at a position given in twips relative to its parent.
inline void PlaceTwips(QWidget* child, int left, int top, int width, int height) {
    child->setGeometry(TwipsRect(left, top, width, height, child));
}

}  // namespace kv::app
