#include "DesignFont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include "TabStops.h"

namespace kv::app {

QFont DesignFont(const QWidget* widget) {
    const double scale = (widget ? widget->logicalDpiX() : 96) / 96.0;
    const double maxAverage = 6.0 * scale;
    const int maxHeight = static_cast<int>(13 * scale + 0.5);
    QFont font = widget ? widget->font() : QApplication::font();
    for (int px = maxHeight; px >= 6; --px) {
        font.setPixelSize(px);
        const QFontMetrics fm(font);
        if (AverageCharWidth(fm) <= maxAverage && fm.height() <= maxHeight + 2) break;
    }
    return font;
}

}  // namespace kv::app
