// The main window: first start, F3/Enter/Esc, resizing, View switches, status line, tab stops.
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
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("avi"));
    EXPECT_FALSE(w.Action(QStringLiteral("FilePrint"))->isEnabled());
    // No Display section: both switches on and stored.
    for (const char* item : {"ViewAllFiles", "ViewTextSearch"}) EXPECT_TRUE(w.Action(item)->isChecked()) << item;
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
    w.Action(QStringLiteral("ViewTextSearch"))->trigger();
    w.tbTitelSearch()->setText(QStringLiteral("needle"));
    w.tbTitelSearch()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.tbTitelSearch()->selectedText(), QStringLiteral("needle"));
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Return);
    EXPECT_EQ(w.stStatus()->text(), found.arg("needle"));
}

TEST(MainWindow, ListResizesAndDrawsFieldsAtTabStopsWithScrollToTheWidestRow) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const QRect list0 = list->geometry();
    EXPECT_EQ(list0, QRect(Px(90, &w), Px(810, &w), Px(10725, &w), Px(4155, &w)));
    auto resize = [&](int dw, int h) { w.resize(w.width() + dw, h); QCoreApplication::processEvents(); };
    resize(150, w.height() + 90);
    EXPECT_NEAR(list->width(), list0.width() + 150, 1);
    EXPECT_NEAR(list->height(), list0.height() + 90, 1);
    EXPECT_EQ(w.frmSearch()->width() + w.frmStatus()->width(), 2 * list->width());
    EXPECT_EQ(w.cbCheckFiles()->pos(), QPoint(Px(9360, &w), Px(230, &w)));
    const int lastHeight = list->height();
    resize(0, 60);  // too low for the list: it keeps its last height
    EXPECT_EQ(list->height(), lastHeight);
    EXPECT_NEAR(w.frmStatus()->y(), list->geometry().bottom() + 1 + Px(50, &w), 1);  // 50 twips below the list
    resize(10, w.height() + 400);
    const QRect before = list->geometry(), statusBefore = w.frmStatus()->geometry();
    const QSize normal = w.size();
    w.showMinimized();
    resize(-100, w.height() - 100);  // a minimized window keeps its layout whatever size it reports
    EXPECT_EQ(list->geometry(), before);
    w.showNormal();
    w.resize(normal);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->geometry(), before);
    EXPECT_EQ(w.frmStatus()->geometry(), statusBefore);
    const QFontMetrics fm(list->font());  // tab stops in quarters of the average character width
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

TEST(MainWindow, ViewSwitchesTickStoreAndHideThenEscClosesKeepingTheStoredSearch) {
    GuiFixture f;
    f.WriteIni("[Display]\r\nShowAllPartMet=maybe\r\n[Search]\r\nLastSearchString=older\r\n");
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
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("older"));
    w.tbTitelSearch()->clear();  // an emptied box keeps the stored text
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Escape);
    EXPECT_EQ(f.quits, 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.Ini("Search", "LastSearchString"), "older");
}
