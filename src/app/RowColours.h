#pragma once

#include <QColor>
#include <QPalette>

#include "app/presenter/MainView.h"

namespace kv::app {

// WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

struct RowColours {
    QColor background;
    QColor text;
};

// Fakes and suspects stand out with a tint of the palette's base colour; the
// text keeps the palette's colour where it reads well on the tint (4.5:1),
// else black or white, whichever reads better. Plain rows: the palette's own.
RowColours ColoursFor(RowKind kind, const QPalette& palette);

}  // namespace kv::app
