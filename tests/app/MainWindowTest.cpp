// The main window: first start, keys, resizing, View switches, status line, tab stops.
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "GuiFixture.h"
#include "TabStopDelegate.h"
#include "Twips.h"

using kv::test::GuiFixture;
static int Px(int twips, const QWidget* w) { return kv::app::TwipsToPixels(twips, w); }

TEST(MainWindow, FirstStartWithoutFakeList) {
    GuiFixture f;
    auto& w = f.Open();
    const QString noList = QStringLiteral("No FAKES-DB found. Please 'Update DB'.");
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kestrivane Version 1.0.0"));
    EXPECT_EQ(w.stStatus()->text(), noList);
    EXPECT_EQ(w.tbTitelSearch()->text() + w.cbDownloadFakesDB()->text() + w.cbCheckFiles()->text(),
              QStringLiteral("avi&Update DBCheck &Files"));
    EXPECT_EQ(w.DefaultButton(), w.cbDownloadFakesDB());
    QStringList menus;  // captions and shortcuts in menu order; the link menu is not in the bar
    for (QAction* m : w.menuBar()->actions()) {
        menus << m->text();
        for (QAction* a : m->menu()->actions()) menus << a->text() + ' ' + a->shortcut().toString();
    }
    EXPECT_EQ(menus.join(QLatin1Char('|')).toStdString(), "&File|Open e&Mule Ctrl+M|Open e&Donkey Ctrl+D|&Print Ctrl+P|&Send Feedback Ctrl+S|"
                               "E&xit Ctrl+X|&View|&All Files |&TextSearch |&Online-Update|&Fakes-DB Ctrl+F|"
                               "&Kestrivane Ctrl+B|&Extras|&Options Ctrl+O|?|&About Ctrl+A");
    const QMenu* links = w.MenuRechteMaustaste();
    EXPECT_EQ(links->actions().value(0)->text() + '|' + links->actions().value(1)->text(),
              "Copy &ed2k-Link to Clipboard|Copy ed2k-Link to Clipboard (&HTML)");
    EXPECT_FALSE(w.Action(QStringLiteral("FilePrint"))->isEnabled());
    // No Display section: both switches on and stored.
    EXPECT_TRUE(w.Action(QStringLiteral("ViewAllFiles"))->isChecked() && w.Action(QStringLiteral("ViewTextSearch"))->isChecked());
    EXPECT_EQ(f.Ini("Display", "ShowAllPartMet") + f.Ini("Display", "ShowTextSearch"), "YESYES");
    EXPECT_EQ(w.ListDelegate()->TabStopUnits(), (QVector<int>{60, 355}));
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);  // without a fake list the check only reports
    EXPECT_EQ(w.stStatus()->text(), noList);
    EXPECT_EQ(w.lbGefundeneFakes()->count(), 0);
    w.SetStatus("<b>M\xfc" "ller</b>", "255");  // shown as plain text; bytes that are not UTF-8 as Windows-1252
    EXPECT_EQ(w.stStatus()->textFormat(), Qt::PlainText);
    EXPECT_EQ(w.stStatus()->text(), QString::fromUtf8("<b>M\xc3\xbcller</b>"));
    w.SetStatus("next", "");  // no colour keeps the last one
    EXPECT_EQ(w.stStatus()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST(MainWindow, CtrlShortcutsFromSearchBoxAndExitOrEsc) {
    GuiFixture f;
    auto& w = f.Open();
    w.tbTitelSearch()->setText(QStringLiteral("keep me"));
    w.tbTitelSearch()->setFocus();
    for (Qt::Key k : {Qt::Key_A, Qt::Key_O, Qt::Key_S, Qt::Key_P}) QTest::keyClick(w.tbTitelSearch(), k, Qt::ControlModifier);
    EXPECT_EQ(f.dialogs, (std::vector<QString>{"frmInfo", "frmOptions"}));  // Ctrl+P is greyed out
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_TRUE(f.opened[0].startsWith(QStringLiteral("mailto:")));
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_X, Qt::ControlModifier);  // Exit, not Cut
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("keep me"));
    EXPECT_EQ(f.Ini("Search", "LastSearchString"), "keep me");

    GuiFixture g;  // Esc closes too; an emptied search box keeps the stored text
    g.WriteIni("[Search]\r\nLastSearchString=older\r\n");
    g.Open().tbTitelSearch()->clear();
    QTest::keyClick(g.w->tbTitelSearch(), Qt::Key_Escape);
    EXPECT_EQ(g.quits, 1);
    EXPECT_FALSE(g.w->isVisible());
    EXPECT_EQ(g.Ini("Search", "LastSearchString"), "older");
}

TEST(MainWindow, F3WhileHiddenThenEnterRunsUpdateUntilSearchBoxHadFocus) {
    GuiFixture f;
    f.AddDownload("001.part.met", "holiday needle video.avi", 1234, 7);
    f.UseTemp("[Display]\r\nShowTextSearch=NO\r\n[Search]\r\nLastSearchString=NEEDLE\r\n");
    auto& w = f.Open();
    const QString found = QStringLiteral("Finished! Found 1 part.met-File with Text '%1'");
    EXPECT_FALSE(w.tbTitelSearch()->isVisible() || w.lblTitelSearch()->isVisible() || w.cbTitelSearch()->isVisible());
    w.lbGefundeneFakes()->setFocus();
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_F3);
    EXPECT_EQ(w.stStatus()->text(), found.arg("NEEDLE"));
    EXPECT_EQ(f.Rows().value(2), QStringLiteral("001.part\tholiday needle video.avi"));

    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_Return);  // the update, failing on the dead address
    EXPECT_FALSE(w.stStatus()->text().startsWith(QStringLiteral("Finished! Found")));
    const size_t boxes = f.boxes.size();
    w.Action(QStringLiteral("ViewTextSearch"))->trigger();
    w.tbTitelSearch()->setText(QStringLiteral("needle"));
    w.tbTitelSearch()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.tbTitelSearch()->selectedText(), QStringLiteral("needle"));
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Return);
    EXPECT_EQ(w.stStatus()->text(), found.arg("needle"));
    w.lbGefundeneFakes()->setFocus();  // and it stays the default
    w.stStatus()->clear();
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_Enter);
    EXPECT_EQ(w.stStatus()->text(), found.arg("needle"));
    EXPECT_EQ(f.boxes.size(), boxes);
}

TEST(MainWindow, ResizeTooSmallAndMinimizeRestore) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const QRect list0 = list->geometry();
    EXPECT_EQ(list0, QRect(Px(90, &w), Px(810, &w), Px(10725, &w), Px(4155, &w)));
    auto show = [&](auto how) { (w.*how)(); QCoreApplication::processEvents(); };
    auto resize = [&](int dw, int h) { w.resize(w.width() + dw, h); QCoreApplication::processEvents(); };
    auto statusBelowList = [&] { EXPECT_NEAR(w.frmStatus()->y(), list->geometry().bottom() + 1 + Px(50, &w), 1); };
    statusBelowList();
    resize(150, w.height() + 90);
    EXPECT_NEAR(list->width(), list0.width() + 150, 1);
    EXPECT_NEAR(list->height(), list0.height() + 90, 1);
    EXPECT_EQ(w.frmSearch()->width() + w.frmStatus()->width(), 2 * list->width());
    EXPECT_EQ(w.cbCheckFiles()->pos(), QPoint(Px(9360, &w), Px(230, &w)));
    const int lastHeight = list->height();
    resize(0, 60);  // too low for the list: it keeps its last height
    EXPECT_EQ(list->height(), lastHeight);
    statusBelowList();
    resize(10, w.height() + 400);
    const QRect before = list->geometry(), statusBefore = w.frmStatus()->geometry();
    show(&QWidget::showMinimized);
    show(&QWidget::showNormal);
    EXPECT_EQ(list->geometry(), before);
    EXPECT_EQ(w.frmStatus()->geometry(), statusBefore);
}

TEST(MainWindow, ViewSwitchesTickStoreAndHide) {
    GuiFixture f;
    f.WriteIni("[Display]\r\nShowAllPartMet=maybe\r\n");
    auto& w = f.Open();
    QAction* all = w.Action(QStringLiteral("ViewAllFiles"));
    QAction* text = w.Action(QStringLiteral("ViewTextSearch"));
    EXPECT_FALSE(all->isChecked());  // another word than YES unticks
    for (bool on : {true, false}) {
        all->trigger();
        text->trigger();
        EXPECT_EQ(all->isChecked(), on);
        EXPECT_EQ(text->isChecked() + w.tbTitelSearch()->isVisible() + w.lblTitelSearch()->isVisible() +
                      w.cbTitelSearch()->isVisible(), on ? 0 : 4);
        EXPECT_EQ(f.Ini("Display", "ShowAllPartMet") + f.Ini("Display", "ShowTextSearch"), on ? "YESNO" : "NOYES");
    }
}

TEST(MainWindow, ListFieldsSitAtTabStopsAndScrollReachesTheWidestRow) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const QFontMetrics fm(list->font());
    const double avg = kv::app::AverageCharWidth(fm);
    const QVector<int> stops = w.ListDelegate()->StopsPx(fm);
    ASSERT_EQ(stops, (QVector<int>{qRound(60 * avg / 4), qRound(355 * avg / 4)}));
    EXPECT_EQ(kv::app::FieldPositions(QStringLiteral("a\tb\tc"), fm, stops), (QVector<int>{0, stops[0], stops[1]}));
    const QString longFirst(40, QLatin1Char('W'));  // past stop 1: the next field goes to stop 2
    ASSERT_TRUE(fm.horizontalAdvance(longFirst) > stops[0] && fm.horizontalAdvance(longFirst) < stops[1]);
    EXPECT_EQ(kv::app::FieldPositions(longFirst + QStringLiteral("\tb"), fm, stops)[1], stops[1]);

    const QString wide = QStringLiteral("x.part\t") + QString(200, QLatin1Char('n')) + QStringLiteral("\tend");
    w.AddListRow(wide.toStdString());
    w.AddListRow("short");
    w.RepaintList();
    int endX = 0;
    kv::app::FieldPositions(wide, fm, stops, &endX);
    for (int extent : {0, endX + 500}) {  // an extent wider than every row widens the range
        w.SetHorizontalExtent(extent);
        QCoreApplication::processEvents();
        EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), std::max(endX, extent));
    }
}
