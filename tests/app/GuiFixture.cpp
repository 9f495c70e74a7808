#include "GuiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace kv::test {

GuiFixture::GuiFixture() { WriteIni(""); }

GuiFixture::~GuiFixture() {
    if (window_) {
        window_->Hooks().quit = [] {};
        window_.reset();
    }
}

void GuiFixture::WriteIni(const std::string& extraLines) {
    home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=" + std::string(kDeadUpdateUrl) +
                                     "\r\n" + extraLines);
}

app::FrmStart& GuiFixture::Open(bool show) {
    app::DesktopHooks hooks;
    hooks.messageBox = [this](QWidget*, const QString& text, int style, const QString& title) {
        boxes.push_back({text, style, title});
    };
    hooks.chooseFile = [](QWidget*, const FileChooserRequest&) { return FileChoice{}; };
    hooks.openAddress = [this](const QString& address) {
        opened.push_back(address);
        return openResult;
    };
    hooks.runDialog = [this](QDialog& dialog) {
        dialogs.push_back(dialog.objectName());
        if (onDialog) onDialog(dialog);
        return dialog.result();
    };
    hooks.popupMenu = [](QMenu&, const QPoint&) {};
    hooks.quit = [this] { ++quits; };
    window_ = std::make_unique<app::FrmStart>(home.path(), hooks);
    if (show) {
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) ADD_FAILURE() << "window never became active";
    }
    return *window_;
}

}  // namespace kv::test
