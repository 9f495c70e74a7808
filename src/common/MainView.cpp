#include "MainView.h"

namespace kv {

void SetWorkCommandsEnabled(MainView& view, bool enabled) {
    view.SetCommandEnabled(Command::OnlineFakesDB, enabled);
    view.SetCommandEnabled(Command::OnlineKestrivane, enabled);
    view.SetCommandEnabled(Command::cbDownloadFakesDB, enabled);
    view.SetCommandEnabled(Command::cbCheckFiles, enabled);
    view.SetCommandEnabled(Command::cbTitelSearch, enabled);
}

}  // namespace kv
