#pragma once

#include <QWidget>

class QLabel;

namespace kv::app {

// The splash window frmLogo: no frame, centred, the splash picture.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    QLabel* imLogo() const { return imLogo_; }

private:
    QLabel* imLogo_ = nullptr;
};

}  // namespace kv::app
