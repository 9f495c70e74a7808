#pragma once
#include <cstdlib>
#include <filesystem>

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "MainWindow.h"
#include "FindingsModel.h"
#include "KvLineEdit.h"
#include "TabStops.h"
#include "TempDir.h"
#include "settings/IniFile.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
// Shows a window and waits until it has the keyboard: shortcuts need an active window.
inline bool Activate(QWidget* w) { w->show(); w->activateWindow(); return QTest::qWaitForWindowActive(w); }
// Settings that point the check at the repository's demo downloads.
#define KV_DEMO_TEMP "[eMule]\r\nTempDir=" KV_EXAMPLES_DIR "/demo-temp\r\n"

// $HOME pointed at a temporary directory for the test's lifetime.
struct FakeHome {
    kv::test::ScopedTempDir dir;
    std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    FakeHome() { setenv("HOME", dir.path().c_str(), 1); unsetenv("WINEPREFIX"); }
    ~FakeHome() { saved.empty() ? unsetenv("HOME") : setenv("HOME", saved.c_str(), 1); }
};

// A main window on a temporary program directory, its desktop recorded; updates go to a closed loopback port.
struct GuiFixture {
    kv::test::ScopedTempDir home;
    QStringList boxes, dialogs;  // boxes as "text|style|title"
    std::vector<std::string> opened;
    bool openResult = true;
    int quits = 0;
    std::function<void(QDialog&)> onDialog;  // by default a dialog is cancelled: see With
    std::unique_ptr<kv::app::MainWindow> w;

    explicit GuiFixture(const std::string& ini = "") {
        home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n" + ini);
    }
    std::string Ini(const char* section, const char* key) {
        return kv::ReadIniString(section, key, "<missing>", 2000, home.File("Kestrivane.ini"));
    }
    // Builds the window, which runs its load, and activates it.
    kv::app::MainWindow& Open() {
        kv::app::DesktopHooks h;
        h.messageBox = [this](QWidget*, const QString& text, kv::BoxIcon icon, const QString& title) {
            boxes << text + '|' + (icon == kv::BoxIcon::Critical ? "critical" : "plain") + '|' + title;
        };
        h.openAddress = [this](const QString& a) { opened.push_back(a.toStdString()); return openResult; };
        h.runDialog = [this](QDialog& d) { dialogs << d.objectName(); if (onDialog) onDialog(d); return d.result(); };
        h.quit = [this] { ++quits; };
        w = std::make_unique<kv::app::MainWindow>(home.path(), h);
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
    // Presses Check Files and waits for its end.
    void Check() {
        QTest::mouseClick(w->cbCheckFiles(), Qt::LeftButton);
        EXPECT_TRUE(Idle());
    }
    // Answers the next text prompt with text, a null text cancelling it; asked: its title and the text it offered.
    QString asked;
    void Answer(const QString& text) {
        onDialog = [this, text](QDialog& d) {
            auto& input = static_cast<QInputDialog&>(d);
            asked = input.windowTitle() + "|" + input.textValue();
            if (text.isNull()) return input.reject();
            input.setTextValue(text);
            input.accept();
        };
    }
    // Where a column starting at a tab stop of so many dialog units begins: a quarter of the average width of
    // A-Z and a-z per unit, after the room of the row's icon.
    int StopX(int units) const {
        const QFontMetrics fm(w->resultsView()->font());
        const double avg = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
        return fm.height() + 2 + qRound(units * avg / 4);
    }
    // Waits until the check, search or download on the worker has ended and all it sent is shown.
    bool Idle() {
        const bool ended = QTest::qWaitFor([&] { return !w->Busy(); }, 60000);
        QCoreApplication::processEvents();
        return ended;
    }
    // The list's column titles and rows as the model gives them, cells joined by TAB.
    QString Head() const {
        QStringList titles;
        for (int c = 0; c < w->Model()->columnCount(); ++c)
            titles << w->Model()->headerData(c, Qt::Horizontal).toString();
        return titles.join('\t');
    }
    QStringList Column(int c) const {
        QStringList cells;
        for (int r = 0; r < w->Model()->rowCount(); ++r) cells << w->Model()->index(r, c).data().toString();
        return cells;
    }
    int RowNamed(const QString& name) const { return Column(1).indexOf(name); }
    QStringList Rows() const {
        QStringList rows;
        for (int r = 0; r < w->Model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < w->Model()->columnCount(); ++c) cells << w->Model()->index(r, c).data().toString();
            rows << cells.join('\t');
        }
        return rows;
    }
    // Right-clicks a row with the named item of the row menu chosen in the menu.
    void MenuItem(int row, const char* item) {
        w->Hooks().popupMenu = [&](QMenu& menu, const QPoint&) {
            for (QAction* a : menu.actions()) if (a->objectName() == QLatin1String(item)) a->trigger();
        };
        QTableView* list = w->resultsView();
        const QPoint pos = list->visualRect(w->Model()->index(row, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, pos);
    }
    // What the named row-menu item put on the clipboard.
    QString MenuCopy(int row, const char* item) {
        QGuiApplication::clipboard()->clear();
        MenuItem(row, item);
        return QGuiApplication::clipboard()->text();
    }
};

// The demo downloads, every one listed; with the demo's FAKES.DAT unless told otherwise.
struct DemoWindow : GuiFixture {
    explicit DemoWindow(const std::string& ini = "", bool withList = true)
        : GuiFixture(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n" + ini) {
        if (withList) std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", home.File("FAKES.DAT"));
    }
    kv::app::MainWindow& Checked() {
        auto& win = Open();
        Check();
        return win;
    }
};
