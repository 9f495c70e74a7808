#include "SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "Resources.h"
#include "Twips.h"

namespace kv::app {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    EnsureResources();
    setObjectName(QStringLiteral("frmLogo"));
    setFixedSize(TwipsSize(5970, 4470, this));
    imLogo_ = new QLabel(this);
    imLogo_->setObjectName(QStringLiteral("imLogo"));
    const QPixmap picture(QStringLiteral(":/kestrivane/splash.jpg"));
    imLogo_->setPixmap(picture);
    // The picture box sizes itself to its picture.
    imLogo_->setGeometry(QRect(QPoint(0, 0), picture.isNull() ? size() : picture.size()));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace kv::app
