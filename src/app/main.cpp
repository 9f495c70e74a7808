#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdlib>

#include "FrmLogo.h"
#include "FrmStart.h"
#include "Screenshots.h"
#include "common/Version.h"
#include "settings/Paths.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrivane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kv::kVersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrivane/icon.png")));

    // Busy from the start until the main window has loaded.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();

    auto* splash = new kv::app::FrmLogo;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const int wait = kv::SplashWaitMilliseconds(clock.elapsed() / 1000.0);
    if (wait > 0) QThread::msleep(static_cast<unsigned long>(wait));

    kv::Session session = kv::Session::At(kv::ProgramDirectory());
    kv::app::FrmStart window(session);
    window.show();
    splash->close();
    delete splash;
    QApplication::restoreOverrideCursor();

    const char* shots = std::getenv("KESTRIVANE_SCREENSHOTS");
    if (shots && *shots) {
        window.activateWindow();
        const bool ok = kv::app::TakeScreenshots(window, QString::fromLocal8Bit(shots));
        window.Hooks().quit = [] {};
        window.close();
        return ok ? 0 : 1;
    }
    return app.exec();
}
