#pragma once

#include <QFont>

class QWidget;

namespace kv::app {

// The windows are laid out in twips for a dialog font whose average character
// is 6 pixels wide and 13 high at 96 dpi. This returns the widest size of the
// platform's font that stays within those metrics, so that captions fit their
// controls.
QFont DesignFont(const QWidget* widget);

// Shrinks the font of every plain-text label under root whose text does not
// fit its rectangle, until it does (down to 6 pixels).
void FitLabelFonts(QWidget* root);

}  // namespace kv::app
