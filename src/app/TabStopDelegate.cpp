#include "TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace kv::app {

namespace {
// Without stops of its own a list box puts one every 32 dialog units.
constexpr int kDefaultStopUnits = 32;
}  // namespace

double AverageCharWidth(const QFontMetrics& metrics) {
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(kAlphabet) / 52.0;
}

QVector<int> TabStopsToPixels(const QVector<int>& units, const QFontMetrics& metrics) {
    const double avg = AverageCharWidth(metrics);
    QVector<int> px;
    px.reserve(units.size());
    for (int u : units) px.push_back(static_cast<int>(std::lround(u * avg / 4.0)));
    return px;
}

QVector<int> FieldPositions(const QString& text, const QFontMetrics& metrics,
                            const QVector<int>& stopsPx, int* endX) {
    const double avg = AverageCharWidth(metrics);
    const int defaultStep = std::max(1, static_cast<int>(std::lround(kDefaultStopUnits * avg / 4.0)));
    const QStringList fields = text.split(QLatin1Char('\t'));
    QVector<int> positions;
    positions.reserve(fields.size());
    int x = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            int next = -1;
            for (int stop : stopsPx) {
                if (stop > x) {
                    next = stop;
                    break;
                }
            }
            if (next < 0) next = (x / defaultStep + 1) * defaultStep;
            x = next;
        }
        positions.push_back(x);
        x += metrics.horizontalAdvance(fields[i]);
    }
    if (endX) *endX = x;
    return positions;
}

TabStopDelegate::TabStopDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QVector<int> TabStopDelegate::StopsPx(const QFontMetrics& metrics) const {
    QVector<int> px = TabStopsToPixels(units_, metrics);
    std::sort(px.begin(), px.end());
    return px;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // Fakes and suspects stand out by colour and by an icon, so that the
    // difference does not rest on colour alone.
    const int kind = index.data(kRowKindRole).toInt();
    const bool selectedRow = opt.state & QStyle::State_Selected;
    if (kind != 0 && !selectedRow) opt.backgroundBrush = QBrush(kind == 1 ? QColor(255, 212, 212) : QColor(255, 236, 176));
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QFontMetrics metrics(opt.font);
    const int gutter = Gutter(metrics);
    if (kind != 0) {
        const QIcon icon = style->standardIcon(kind == 1 ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning,
                                               nullptr, widget);
        const int side = gutter - 2;
        icon.paint(painter, QRect(opt.rect.left() + 1, opt.rect.top() + (opt.rect.height() - side) / 2, side, side));
    }
    const QVector<int> positions = FieldPositions(text, metrics, StopsPx(metrics));
    const QStringList fields = text.split(QLatin1Char('\t'));
    painter->save();
    painter->setFont(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect r = opt.rect;
    for (int i = 0; i < fields.size(); ++i) {
        const QRect cell(r.left() + gutter + kTextMargin + positions[i], r.top(),
                         metrics.horizontalAdvance(fields[i]) + 1, r.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fields[i]);
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QFontMetrics metrics(opt.font);
    int endX = 0;
    FieldPositions(opt.text, metrics, StopsPx(metrics), &endX);
    const int width = std::max(Gutter(metrics) + endX + 2 * kTextMargin, minimumWidth_);
    return QSize(width, metrics.height() + 2);
}

}  // namespace kv::app
