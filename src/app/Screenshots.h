#pragma once

#include <QString>

namespace kv::app {

class FrmStart;

// Runs "Check &Files" on the shown window, then saves pictures of the main
// window, the options dialog and the about box into directory as
// main-window.png, options.png and about.png. Returns false when a picture
// could not be saved.
bool TakeScreenshots(FrmStart& window, const QString& directory);

}  // namespace kv::app
