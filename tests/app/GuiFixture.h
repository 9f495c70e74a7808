#pragma once
#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "FrmStart.h"
#include "KvLineEdit.h"
#include "PartMetBuilder.h"
#include "TabStopDelegate.h"
#include "TempDir.h"
#include "settings/IniFile.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
// Shows a window and waits until it has the keyboard: shortcuts need an active window.
inline bool Activate(QWidget* w) { w->show(); w->activateWindow(); return QTest::qWaitForWindowActive(w); }
namespace kv::test {

// A main window on a temporary program directory, its desktop recorded; updates go to a closed loopback port.
struct GuiFixture {
    ScopedTempDir home;
    std::vector<QString> boxes, dialogs;  // boxes as "text|style|title"
    std::vector<std::string> opened;
    bool openResult = true;
    int quits = 0;
    std::function<void(QDialog&)> onDialog;  // by default a dialog is cancelled
    std::unique_ptr<app::FrmStart> w;

    GuiFixture() { WriteIni(""); }
    void WriteIni(const std::string& extra) {
        home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n" + extra);
    }
    std::string Ini(const char* section, const char* key) {
        return ReadIniString(section, key, "<missing>", 2000, home.File("Kestrivane.ini"));
    }
    void AddDownload(const std::string& file, const std::string& name, uint64_t size, uint8_t seed) {
        const PartMetLayout download{.hash = SequentialHash(seed), .name = name, .size = size, .extraTags{}};
        home.Write("temp/" + file, BuildPartMet(download));
    }
    void UseTemp(const std::string& more = "") { WriteIni("[eMule]\r\nTempDir=" + home.File("temp") + "\r\n" + more); }

    // Builds the window, which runs its load, and activates it.
    app::FrmStart& Open() {
        app::DesktopHooks h;
        h.messageBox = [this](QWidget*, const QString& text, int style, const QString& title) {
            boxes.push_back(text + '|' + QString::number(style) + '|' + title);
        };
        h.openAddress = [this](const QString& a) { opened.push_back(a.toStdString()); return openResult; };
        h.runDialog = [this](QDialog& d) {
            dialogs.push_back(d.objectName());
            if (onDialog) onDialog(d);
            return d.result();
        };
        h.quit = [this] { ++quits; };
        w = std::make_unique<app::FrmStart>(home.path(), h);
        if (!Activate(w.get())) ADD_FAILURE() << "window never became active";
        return *w;
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < w->lbGefundeneFakes()->count(); ++i) rows << w->lbGefundeneFakes()->item(i)->text();
        return rows;
    }
};

}  // namespace kv::test
using kv::test::GuiFixture;
