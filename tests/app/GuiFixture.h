#pragma once
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "FrmStart.h"
#include "KvLineEdit.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "settings/IniFile.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
namespace kv::test {

// A main window on a program directory in a temporary directory, its desktop recorded.
// The update address is a closed loopback port: no test reaches the network.
struct GuiFixture {
    ScopedTempDir home;
    std::vector<QString> boxes, opened, dialogs;  // boxes as "text|style|title"
    bool openResult = true;  // what opening an address reports
    int quits = 0;
    std::function<void(QDialog&)> onDialog;  // what a "shown" dialog does; by default it is cancelled
    std::unique_ptr<app::FrmStart> w;

    GuiFixture() { WriteIni(""); }
    void WriteIni(const std::string& extra) {
        home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n" + extra);
    }
    std::string Ini(const char* section, const char* key) {
        return ReadIniString(section, key, "<missing>", 2000, home.File("Kestrivane.ini"));
    }
    // A download in the temp directory; UseTemp names that directory in the ini.
    void AddDownload(const std::string& file, const std::string& name, uint64_t size, uint8_t seed) {
        home.Write("temp/" + file, BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = size}));
    }
    void UseTemp(const std::string& more = "") { WriteIni("[eMule]\r\nTempDir=" + home.File("temp") + "\r\n" + more); }

    // Builds the window (runs its load), shows and activates it: shortcuts need an active window.
    app::FrmStart& Open() {
        app::DesktopHooks h;
        h.messageBox = [this](QWidget*, const QString& text, int style, const QString& title) {
            boxes.push_back(text + '|' + QString::number(style) + '|' + title);
        };
        h.chooseFile = [](QWidget*, const FileChooserRequest&) { return FileChoice{}; };
        h.openAddress = [this](const QString& a) { opened.push_back(a); return openResult; };
        h.runDialog = [this](QDialog& d) {
            dialogs.push_back(d.objectName());
            if (onDialog) onDialog(d);
            return d.result();
        };
        h.popupMenu = [](QMenu&, const QPoint&) {};
        h.quit = [this] { ++quits; };
        w = std::make_unique<app::FrmStart>(home.path(), h);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) ADD_FAILURE() << "window never became active";
        return *w;
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < w->lbGefundeneFakes()->count(); ++i) rows << w->lbGefundeneFakes()->item(i)->text();
        return rows;
    }
};

}  // namespace kv::test
