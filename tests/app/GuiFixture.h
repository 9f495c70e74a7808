#pragma once
#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "FrmStart.h"
#include "KvLineEdit.h"
#include "TabStopDelegate.h"
#include "TempDir.h"
#include "settings/IniFile.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
// Shows a window and waits until it has the keyboard: shortcuts need an active window.
inline bool Activate(QWidget* w) { w->show(); w->activateWindow(); return QTest::qWaitForWindowActive(w); }
// Settings that point the check at the repository's demo downloads.
#define KV_DEMO_TEMP "[eMule]\r\nTempDir=" KV_EXAMPLES_DIR "/demo-temp\r\n"

// A main window on a temporary program directory, its desktop recorded; updates go to a closed loopback port.
struct GuiFixture {
    kv::test::ScopedTempDir home;
    QStringList boxes, dialogs;  // boxes as "text|style|title"
    std::vector<std::string> opened;
    bool openResult = true;
    int quits = 0;
    std::function<void(QDialog&)> onDialog;  // by default a dialog is cancelled: see With
    std::unique_ptr<kv::app::FrmStart> w;

    explicit GuiFixture(const std::string& ini = "") {
        home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n" + ini);
    }
    std::string Ini(const char* section, const char* key) {
        return kv::ReadIniString(section, key, "<missing>", 2000, home.File("Kestrivane.ini"));
    }
    // Builds the window, which runs its load, and activates it.
    kv::app::FrmStart& Open() {
        kv::app::DesktopHooks h;
        h.messageBox = [this](QWidget*, const QString& text, int style, const QString& title) {
            boxes << text + '|' + QString::number(style) + '|' + title;
        };
        h.openAddress = [this](const QString& a) { opened.push_back(a.toStdString()); return openResult; };
        h.runDialog = [this](QDialog& d) { dialogs << d.objectName(); if (onDialog) onDialog(d); return d.result(); };
        h.quit = [this] { ++quits; };
        w = std::make_unique<kv::app::FrmStart>(home.path(), h);
        if (!Activate(w.get())) ADD_FAILURE() << "window never became active";
        return *w;
    }
    // Runs body on the dialog that open brings up, while it is shown and has the keyboard.
    template <class Dialog>
    void With(const std::function<void()>& open, const std::function<void(Dialog&)>& body) {
        onDialog = [&](QDialog& d) { ASSERT_TRUE(Activate(&d)); body(*qobject_cast<Dialog*>(&d)); };
        open();
        onDialog = nullptr;
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < w->lbGefundeneFakes()->count(); ++i) rows << w->lbGefundeneFakes()->item(i)->text();
        return rows;
    }
};
