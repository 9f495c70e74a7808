#pragma once

#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <QVector>

namespace kv::app {

// Pixel width of one dialog template unit's base: the average character width
// of a font, measured over "A".."Z" and "a".."z".
double AverageCharWidth(const QFontMetrics& metrics);

// Tab stops given in dialog template units (a quarter of the average character
// width) as pixel positions.
QVector<int> TabStopsToPixels(const QVector<int>& units, const QFontMetrics& metrics);

// Where each TAB-separated field of text starts, in pixels from the row's text
// origin. A field after a TAB starts at the first stop right of where the text
// so far ends; past the last stop the default stops (every 32 units) apply.
// Also returns, in endX, where the last field ends.
QVector<int> FieldPositions(const QString& text, const QFontMetrics& metrics,
                            const QVector<int>& stopsPx, int* endX = nullptr);

// Draws the rows of a list with TAB-separated fields at the list's tab stops,
// and sizes each row to its real width so that horizontal scrolling reaches the
// end of the widest row.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TabStopDelegate(QObject* parent = nullptr);

    void SetTabStopUnits(const QVector<int>& units) { units_ = units; }
    const QVector<int>& TabStopUnits() const { return units_; }
    // Stops in pixels for the given font.
    QVector<int> StopsPx(const QFontMetrics& metrics) const;
    // Rows are at least this wide (the list's horizontal extent).
    void SetMinimumWidth(int pixels) { minimumWidth_ = pixels; }
    int MinimumWidth() const { return minimumWidth_; }

    static constexpr int kTextMargin = 2;
    // The item data role holding a row's kind (kv::RowKind as int).
    static constexpr int kRowKindRole = Qt::UserRole + 1;
    // Room left of every row for the fake and suspect icons.
    static int Gutter(const QFontMetrics& metrics) { return metrics.height() + 2; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QVector<int> units_;
    int minimumWidth_ = 0;
};

}  // namespace kv::app
