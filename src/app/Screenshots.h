#pragma once

#include <QString>

namespace kv::app {

class MainWindow;

// Runs "Check &Files" on the shown window, then saves pictures into
// directory. set "": the main window, the dialogs (main-window.png,
// options.png, about.png, ...); "large": the list sorted by its description
// (main-window-5000.png), then in a dark theme (main-window-dark.png);
// "german": main-window-de.png; "amule" (a connection stored): "Check aMule",
// then check-amule.png (the row menu drawn over the window), row-menu.png,
// options.png and check-links.png again, the aMule commands enabled. Returns false when a picture could not be saved.
bool TakeScreenshots(MainWindow& window, const QString& directory, const QString& set = {});

}  // namespace kv::app
