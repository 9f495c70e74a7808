#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SplashWindow.h"
#include "MainWindow.h"
#include "Screenshots.h"
#include "Translations.h"
#include "common/Version.h"
#include "common/FileUtil.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"
#include "app/presenter/CommandLine.h"
#include "app/presenter/Startup.h"

int main(int argc, char** argv) {
    // Answered before Qt starts: --help and --version need no display.
    const kv::GuiCommandLine command = kv::ParseGuiCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!command.run) {
        std::fputs(command.out.c_str(), stdout);
        std::fputs(command.err.c_str(), stderr);
        return command.exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrivane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kv::kVersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrivane/icon.png")));
    // The user's language, when it is one of the translations; English and C as they are.
    kv::app::InstallTranslation(QLocale());

    // Busy from the start until the main window has loaded.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();

    auto* splash = new kv::app::SplashWindow;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const int wait = kv::SplashWaitMilliseconds(clock.elapsed() / 1000.0);
    if (wait > 0) QThread::msleep(static_cast<unsigned long>(wait));

    // Settings in ~/.config/kestrivane and data in ~/.local/share/kestrivane
    // when installed; one directory when portable or KESTRIVANE_HOME is set.
    kv::HomeDirs dirs = kv::CurrentHomeDirs();
    if (dirs.config.empty() || dirs.data.empty()) dirs = {kv::ProgramDirectory(), kv::ProgramDirectory()};
    if (command.home) dirs = {*command.home, *command.home};  // as the command line takes it
    kv::Session session = kv::Session::At(dirs);
    session.CreateDirectories();  // a failure shows as the settings' and list's own messages
    const bool settingsExisted = kv::FileExists(session.settings.Path());
    kv::app::MainWindow window(session);
    window.show();
    splash->close();
    delete splash;
    QApplication::restoreOverrideCursor();
    if (!std::getenv("KESTRIVANE_SCREENSHOTS") && window.FirstStartWanted(settingsExisted)) window.RunFirstStart();

    const char* shots = std::getenv("KESTRIVANE_SCREENSHOTS");
    if (shots && *shots) {
        window.activateWindow();
        const char* set = std::getenv("KESTRIVANE_SCREENSHOT_SET");
        const bool ok = kv::app::TakeScreenshots(window, QString::fromLocal8Bit(shots), QString::fromLocal8Bit(set ? set : ""));
        window.Hooks().quit = [] {};
        window.close();
        return ok ? 0 : 1;
    }
    return app.exec();
}
