#pragma once

#include <QString>

#include <functional>

#include <memory>
#include <string>
#include <vector>

#include "FrmStart.h"
#include "TempDir.h"

namespace kv::test {

// A program directory in a temporary directory and a main window on it whose
// desktop is recorded instead of shown: message boxes, opened addresses,
// dialogs (by object name) and the end of the program.
class GuiFixture {
public:
    struct Box {
        QString text;
        int style;
        QString title;
    };

    GuiFixture();
    ~GuiFixture();

    ScopedTempDir home;
    std::vector<Box> boxes;
    std::vector<QString> opened;
    bool openResult = true;
    std::vector<QString> dialogs;
    int quits = 0;
    // What a dialog does while "shown" (default: nothing, it is then closed as by Cancel).
    std::function<void(QDialog&)> onDialog;

    // Kestrivane.ini content before the window loads; the update address always
    // points at a closed loopback port so that no test reaches the network.
    void WriteIni(const std::string& extraLines);
    std::string IniPath() const { return home.File("Kestrivane.ini"); }

    // Builds the window (runs its load) and, with show, shows and activates it.
    app::FrmStart& Open(bool show = true);
    app::FrmStart& Window() { return *window_; }

private:
    std::unique_ptr<app::FrmStart> window_;
};

// The update address used by every test: nothing listens there.
inline constexpr const char* kDeadUpdateUrl = "http://127.0.0.1:9/fakecheck/update";

}  // namespace kv::test
