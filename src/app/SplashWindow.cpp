#include "SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "Resources.h"

namespace kv::app {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    EnsureResources();
    setObjectName(QStringLiteral("frmLogo"));
    imLogo_ = new QLabel(this);
    imLogo_->setObjectName(QStringLiteral("imLogo"));
    imLogo_->setPixmap(QPixmap(QStringLiteral(":/kestrivane/splash.jpg")));
    // The window is as large as its picture.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imLogo_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace kv::app
