#pragma once

#include <QFont>

class QWidget;

namespace kv::app {

// The windows' font: the largest size of the platform's font whose average
// character is at most 6 pixels wide and 13 high at 96 dpi, so that the
// windows keep their compact look whatever the desktop's font size.
QFont DesignFont(const QWidget* widget);

}  // namespace kv::app
