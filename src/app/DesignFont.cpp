#include "DesignFont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "TabStops.h"

namespace kv::app {

namespace {

bool Fits(const QFont& font, const QString& text, const QSize& box) {
    const QFontMetrics fm(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
    return widest <= box.width() && static_cast<int>(lines.size()) * fm.lineSpacing() <= box.height() + 2;
}

}  // namespace

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

void FitLabelFonts(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->textFormat() != Qt::PlainText) continue;
        QFont font = label->font();
        int px = QFontInfo(font).pixelSize();
        while (px > 6 && !Fits(font, label->text(), label->size())) {
            font.setPixelSize(--px);
        }
        if (font != label->font()) label->setFont(font);
    }
}

}  // namespace kv::app
