// The main window: controls, menus, keys, resizing, View switches, status line
// and the list's tab stops.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "FrmLogo.h"
#include "GuiFixture.h"
#include "KvLineEdit.h"
#include "PartMetBuilder.h"
#include "TabStopDelegate.h"
#include "Twips.h"
#include "settings/IniFile.h"

using kv::test::GuiFixture;

namespace {

std::string Ini(GuiFixture& f, const char* section, const char* key) {
    return kv::ReadIniString(section, key, "<missing>", 2000, f.IniPath());
}

int Px(int twips, const QWidget* w) { return kv::app::TwipsToPixels(twips, w); }

// A temp directory with one download whose name holds "needle", set in the ini.
void PrepareSearchableTempDir(GuiFixture& f, const std::string& extraIni = "") {
    kv::test::PartMetLayout download;
    download.hash = kv::test::SequentialHash(7);
    download.name = "holiday needle video.avi";
    download.size = 1234;
    f.home.Write("temp/001.part.met", kv::test::BuildPartMet(download));
    f.WriteIni("[eMule]\r\nTempDir=" + f.home.File("temp") + "\r\n" + extraIni);
}

}  // namespace

TEST(MainWindow, ControlsMenusAndFirstStart) {
    GuiFixture f;
    auto& w = f.Open();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kestrivane Version 1.0.0"));
    // No FAKES.DAT in the fresh home.
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("No FAKES-DB found. Please 'Update DB'."));
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("avi"));
    EXPECT_EQ(w.tbTitelSearch()->toolTip(), QStringLiteral("Enter filename to search for .part.met"));
    EXPECT_EQ(w.cbTitelSearch()->toolTip(), QStringLiteral("Suche starten (F3)"));
    EXPECT_FALSE(w.cbTitelSearch()->icon().isNull());
    EXPECT_EQ(w.cbDownloadFakesDB()->text(), QStringLiteral("&Update DB"));
    EXPECT_EQ(w.cbCheckFiles()->text(), QStringLiteral("Check &Files"));
    EXPECT_EQ(w.frmStatus()->title(), QStringLiteral(" Status:"));
    EXPECT_EQ(w.lbGefundeneFakes()->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(w.lbGefundeneFakes()->horizontalScrollMode(), QAbstractItemView::ScrollPerPixel);
    EXPECT_EQ(w.DefaultButton(), w.cbDownloadFakesDB());

    // Every control by its name, placed in twips.
    for (const char* name : {"frmSearch", "lblTitelSearch", "tbTitelSearch", "cbTitelSearch",
                             "cbDownloadFakesDB", "cbCheckFiles", "lbGefundeneFakes", "frmStatus",
                             "stStatus"}) {
        EXPECT_NE(w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_EQ(w.cbCheckFiles()->geometry(), QRect(Px(9360, &w), Px(230, &w), Px(1185, &w), Px(375, &w)));
    EXPECT_EQ(w.tbTitelSearch()->geometry(), QRect(Px(3420, &w), Px(270, &w), Px(1995, &w), Px(285, &w)));
    EXPECT_EQ(w.lbGefundeneFakes()->geometry(), QRect(Px(90, &w), Px(810, &w), Px(10725, &w), Px(4155, &w)));
    // The status frame is laid out as resizing places it: 50 twips below the list.
    EXPECT_EQ(w.frmStatus()->geometry(), QRect(Px(90, &w), Px(810 + 4155 + 50, &w), Px(10725, &w), Px(555, &w)));
    EXPECT_EQ(w.centralWidget()->size(), QSize(Px(10905, &w), Px(5685, &w)));

    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"FileOpenEMule", "Open e&Mule", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"FileOpenEDonkey", "Open e&Donkey", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"FilePrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"FileSend", "&Send Feedback", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"FileExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"ViewAllFiles", "&All Files", QKeySequence()},
        {"ViewTextSearch", "&TextSearch", QKeySequence()},
        {"OnlineFakesDB", "&Fakes-DB", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"OnlineKestrivane", "&Kestrivane", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"ExtrasOptions", "&Options", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"HelpAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"RechteMaustasteCopyLink", "Copy &ed2k-Link to Clipboard", QKeySequence()},
        {"RechteMaustasteCopyLinkHTML", "Copy ed2k-Link to Clipboard (&HTML)", QKeySequence()},
    };
    for (const Item& item : items) {
        QAction* a = w.Action(QString::fromLatin1(item.name));
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(item.caption)) << item.name;
        EXPECT_EQ(a->shortcut(), item.shortcut) << item.name;
    }
    EXPECT_FALSE(w.Action(QStringLiteral("FilePrint"))->isEnabled());
    // The link menu is not in the menu bar.
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&View", "&Online-Update", "&Extras", "?"}));

    // First start: both View switches on and stored, the tab stops stored.
    EXPECT_TRUE(w.Action(QStringLiteral("ViewAllFiles"))->isChecked());
    EXPECT_TRUE(w.Action(QStringLiteral("ViewTextSearch"))->isChecked());
    EXPECT_EQ(Ini(f, "Display", "ShowAllPartMet"), "YES");
    EXPECT_EQ(Ini(f, "Display", "ShowTextSearch"), "YES");
    EXPECT_EQ(w.ListDelegate()->TabStopUnits(), (QVector<int>{60, 355}));
}

TEST(MainWindow, EscInSearchBoxClosesAndStoresText) {
    GuiFixture f;
    auto& w = f.Open();
    w.tbTitelSearch()->setFocus();
    w.tbTitelSearch()->setText(QStringLiteral("matrix"));
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Escape);
    EXPECT_EQ(f.quits, 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Ini(f, "Search", "LastSearchString"), "matrix");
}

TEST(MainWindow, ClosingWithEmptySearchBoxKeepsStoredText) {
    GuiFixture f;
    f.WriteIni("[Search]\r\nLastSearchString=older\r\n");
    auto& w = f.Open();
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("older"));
    w.tbTitelSearch()->clear();
    w.Action(QStringLiteral("FileExit"))->trigger();
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(Ini(f, "Search", "LastSearchString"), "older");
}

TEST(MainWindow, F3SearchesWhileSearchControlsAreHidden) {
    GuiFixture f;
    PrepareSearchableTempDir(f, "[Display]\r\nShowTextSearch=NO\r\n[Search]\r\nLastSearchString=NEEDLE\r\n");
    auto& w = f.Open();
    EXPECT_FALSE(w.tbTitelSearch()->isVisible());
    EXPECT_FALSE(w.lblTitelSearch()->isVisible());
    EXPECT_FALSE(w.cbTitelSearch()->isVisible());
    EXPECT_FALSE(w.Action(QStringLiteral("ViewTextSearch"))->isChecked());

    w.lbGefundeneFakes()->setFocus();
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_F3);
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("Finished! Found 1 part.met-File with Text 'NEEDLE'"));
    ASSERT_EQ(w.lbGefundeneFakes()->count(), 3);
    EXPECT_EQ(w.lbGefundeneFakes()->item(2)->text(), QStringLiteral("001.part\tholiday needle video.avi"));
    EXPECT_TRUE(f.boxes.empty());
}

TEST(MainWindow, EnterPressesUpdateUntilSearchBoxHadFocus) {
    GuiFixture f;
    PrepareSearchableTempDir(f);
    auto& w = f.Open();
    const QString startStatus = w.stStatus()->text();

    // At open Enter runs the update (which fails on the dead loopback address).
    w.lbGefundeneFakes()->setFocus();
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_Return);
    EXPECT_NE(w.stStatus()->text(), startStatus);
    EXPECT_FALSE(w.stStatus()->text().startsWith(QStringLiteral("Finished! Found")));
    const size_t boxesAfterUpdate = f.boxes.size();

    // Focusing the search box selects its text and makes the search the default.
    w.tbTitelSearch()->setText(QStringLiteral("needle"));
    w.tbTitelSearch()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.tbTitelSearch()->selectedText(), QStringLiteral("needle"));
    EXPECT_EQ(w.DefaultButton(), w.cbTitelSearch());
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Return);
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("Finished! Found 1 part.met-File with Text 'needle'"));

    // And stays so when the focus moves on.
    w.lbGefundeneFakes()->setFocus();
    w.stStatus()->setText(QString());
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_Enter);
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("Finished! Found 1 part.met-File with Text 'needle'"));
    EXPECT_EQ(f.boxes.size(), boxesAfterUpdate);
}

TEST(MainWindow, CtrlShortcutsWorkInsideSearchBox) {
    GuiFixture f;
    auto& w = f.Open();
    w.tbTitelSearch()->setText(QStringLiteral("keep me"));
    w.tbTitelSearch()->setFocus();

    QTest::keyClick(w.tbTitelSearch(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(f.dialogs, (std::vector<QString>{"frmInfo", "frmOptions"}));

    QTest::keyClick(w.tbTitelSearch(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_TRUE(f.opened[0].startsWith(QStringLiteral("mailto:")));

    // Ctrl+P is greyed out: nothing happens, the text stays.
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(f.dialogs.size(), 2u);

    // Ctrl+X is Exit, not Cut.
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("keep me"));
    EXPECT_EQ(Ini(f, "Search", "LastSearchString"), "keep me");
}

TEST(MainWindow, ResizeFollowsWindowAndKeepsLastValidHeight) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const QRect list0 = list->geometry();

    w.resize(w.width() + 150, w.height() + 90);
    QCoreApplication::processEvents();
    EXPECT_NEAR(list->width(), list0.width() + 150, 1);
    EXPECT_NEAR(list->height(), list0.height() + 90, 1);
    EXPECT_EQ(list->x(), list0.x());
    EXPECT_EQ(w.frmSearch()->width(), list->width());
    EXPECT_EQ(w.frmStatus()->width(), list->width());
    EXPECT_NEAR(w.frmStatus()->y(), list->geometry().bottom() + 1 + Px(50, &w), 1);
    EXPECT_NEAR(w.stStatus()->width(), w.frmStatus()->width() - Px(250, &w), 1);
    EXPECT_EQ(w.cbCheckFiles()->pos(), QPoint(Px(9360, &w), Px(230, &w)));  // buttons stay

    // Too low for the list: it keeps its height, the status frame stays below it.
    const int lastHeight = list->height();
    w.resize(w.width(), 60);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->height(), lastHeight);
    EXPECT_NEAR(w.frmStatus()->y(), list->geometry().bottom() + 1 + Px(50, &w), 1);

    // Minimize and restore leave the layout as it was.
    w.resize(w.width() + 10, w.height() + 400);
    QCoreApplication::processEvents();
    const QRect before = list->geometry();
    const QRect statusBefore = w.frmStatus()->geometry();
    w.showMinimized();
    QCoreApplication::processEvents();
    w.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->geometry(), before);
    EXPECT_EQ(w.frmStatus()->geometry(), statusBefore);
}

TEST(MainWindow, ViewSwitchesByMenu) {
    GuiFixture f;
    f.WriteIni("[Display]\r\nShowAllPartMet=maybe\r\n");
    auto& w = f.Open();
    QAction* all = w.Action(QStringLiteral("ViewAllFiles"));
    QAction* text = w.Action(QStringLiteral("ViewTextSearch"));
    // Another word unticks; the first click ticks and stores YES.
    EXPECT_FALSE(all->isChecked());
    all->trigger();
    EXPECT_TRUE(all->isChecked());
    EXPECT_EQ(Ini(f, "Display", "ShowAllPartMet"), "YES");
    all->trigger();
    EXPECT_FALSE(all->isChecked());
    EXPECT_EQ(Ini(f, "Display", "ShowAllPartMet"), "NO");

    EXPECT_TRUE(text->isChecked());
    EXPECT_TRUE(w.tbTitelSearch()->isVisible());
    text->trigger();
    EXPECT_FALSE(text->isChecked());
    EXPECT_FALSE(w.tbTitelSearch()->isVisible());
    EXPECT_FALSE(w.lblTitelSearch()->isVisible());
    EXPECT_FALSE(w.cbTitelSearch()->isVisible());
    EXPECT_EQ(Ini(f, "Display", "ShowTextSearch"), "NO");
    text->trigger();
    EXPECT_TRUE(text->isChecked());
    EXPECT_TRUE(w.tbTitelSearch()->isVisible());
    EXPECT_TRUE(w.cbTitelSearch()->isVisible());
    EXPECT_EQ(Ini(f, "Display", "ShowTextSearch"), "YES");
}

TEST(MainWindow, StatusLineIsPlainTextAndKeepsColour) {
    GuiFixture f;
    auto& w = f.Open();
    w.SetStatus("<b>not bold</b> & more", "255");
    EXPECT_EQ(w.stStatus()->textFormat(), Qt::PlainText);
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("<b>not bold</b> & more"));
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    w.SetStatus("next", "");
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("next"));
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    w.SetStatus("blue", "16711680");
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    w.SetStatus("word", "red");  // not a number: colour unchanged
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // Bytes that are not UTF-8 are shown as Windows-1252.
    w.SetStatus("M\xfc" "ller", "0");
    EXPECT_EQ(w.stStatus()->text(), QString::fromUtf8("M\xc3\xbcller"));
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(MainWindow, ListFieldsSitAtTabStops) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const QFontMetrics fm(list->font());
    const double avg = kv::app::AverageCharWidth(fm);
    const int stop1 = qRound(60 * avg / 4), stop2 = qRound(355 * avg / 4);
    const QVector<int> stops = w.ListDelegate()->StopsPx(fm);
    ASSERT_EQ(stops, (QVector<int>{stop1, stop2}));

    // Short fields start at the stops; a first field longer than stop 1 pushes
    // the second to stop 2; a field past the last stop goes to the next default stop.
    EXPECT_EQ(kv::app::FieldPositions(QStringLiteral("a\tb\tc"), fm, stops), (QVector<int>{0, stop1, stop2}));
    const QString longFirst = QString(40, QLatin1Char('W'));
    ASSERT_GT(fm.horizontalAdvance(longFirst), stop1);
    ASSERT_LT(fm.horizontalAdvance(longFirst), stop2);
    EXPECT_EQ(kv::app::FieldPositions(longFirst + QStringLiteral("\tb"), fm, stops)[1], stop2);
    int endX = 0;
    const QVector<int> four = kv::app::FieldPositions(QStringLiteral("a\tb\tc\td"), fm, stops, &endX);
    const int step = qRound(32 * avg / 4);
    const int afterC = stop2 + fm.horizontalAdvance(QStringLiteral("c"));
    EXPECT_EQ(four[3], (afterC / step + 1) * step);
    EXPECT_EQ(endX, four[3] + fm.horizontalAdvance(QStringLiteral("d")));

    // Options change the stops at once.
    w.SetListTabStops({120, 200, 999}, 2);
    EXPECT_EQ(w.ListDelegate()->TabStopUnits(), (QVector<int>{120, 200}));

    // The scroll bar reaches the end of the widest row.
    w.SetListTabStops({60, 355}, 2);
    const QString wide = QStringLiteral("x.part\t") + QString(200, QLatin1Char('n')) + QStringLiteral("\tend");
    w.AddListRow(wide.toStdString());
    w.AddListRow("short");
    w.RepaintList();
    QCoreApplication::processEvents();
    int wideEnd = 0;
    kv::app::FieldPositions(wide, fm, stops, &wideEnd);
    QScrollBar* bar = list->horizontalScrollBar();
    EXPECT_GE(bar->maximum() + list->viewport()->width(), wideEnd);
    // A horizontal extent wider than every row widens the scroll range.
    w.SetHorizontalExtent(wideEnd + 500);
    QCoreApplication::processEvents();
    EXPECT_GE(bar->maximum() + list->viewport()->width(), wideEnd + 500);
}

TEST(Splash, FramelessCentredWithOurPicture) {
    kv::app::FrmLogo splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), QSize(Px(5970, &splash), Px(4470, &splash)));
    EXPECT_EQ(splash.imLogo()->pixmap().size(), QSize(400, 300));
    EXPECT_EQ(splash.imLogo()->pos(), QPoint(0, 0));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((splash.geometry().center() - screen.center()).manhattanLength(), 1);
}
