#include "GuiFixture.h"
#include "Twips.h"

TEST(MainWindow, FirstStartWithoutFakeList) {
    GuiFixture f;
    auto& w = f.Open();
    const QString noList = QStringLiteral("No FAKES-DB found. Please 'Update DB'.");
    EXPECT_EQ(w.windowTitle() + "|" + w.stStatus()->text() + "|" + w.tbTitelSearch()->text(),
              "Kestrivane Version 1.0.0|" + noList + "|avi");
    EXPECT_FALSE(w.Action("FilePrint")->isEnabled());
    EXPECT_TRUE(w.Action("ViewAllFiles")->isChecked() && w.Action("ViewTextSearch")->isChecked());  // no [Display]
    EXPECT_EQ(f.Ini("Display", "ShowAllPartMet") + f.Ini("Display", "ShowTextSearch"), "YESYES");
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
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_Return);  // the update, failing on the dead address
    EXPECT_FALSE(w.stStatus()->text().startsWith("Finished! Found"));
    w.Action("ViewTextSearch")->trigger();
    w.tbTitelSearch()->setText("needle");
    w.tbTitelSearch()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.tbTitelSearch()->selectedText(), "needle");
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Return);
    EXPECT_EQ(w.stStatus()->text(), found.arg("needle"));
}

TEST(MainWindow, ListResizesAndDrawsFieldsAtTabStopsWithScrollToTheWidestRow) {
    GuiFixture f;
    auto& w = f.Open();
    QListWidget* list = w.lbGefundeneFakes();
    const auto px = [&](int twips) { return kv::app::TwipsToPixels(twips, &w); };
    const QRect list0 = list->geometry();
    EXPECT_EQ(list0, QRect(px(90), px(810), px(10725), px(4155)));
    auto resize = [&](int dw, int h) { w.resize(w.width() + dw, h); QCoreApplication::processEvents(); };
    resize(150, w.height() + 90);
    EXPECT_NEAR(list->width(), list0.width() + 150, 1);
    EXPECT_NEAR(list->height(), list0.height() + 90, 1);
    EXPECT_EQ(w.frmSearch()->width() + w.frmStatus()->width(), 2 * list->width());
    const int lastHeight = list->height();
    resize(0, 60);  // too low for the list: it keeps its last height
    EXPECT_EQ(list->height(), lastHeight);
    EXPECT_NEAR(w.frmStatus()->y(), list->geometry().bottom() + 1 + px(50), 1);  // 50 twips below the list
    resize(10, w.height() + 400);
    const auto layout = [&] { return std::pair(list->geometry(), w.frmStatus()->geometry()); };
    const auto before = layout();
    w.showMinimized();
    resize(-100, w.height() - 100);  // a minimized window keeps its layout whatever size it reports
    EXPECT_EQ(layout(), before);
    w.showNormal();
    resize(100, w.height() + 100);
    EXPECT_EQ(layout(), before);

    const QFontMetrics fm(list->font());  // tab stops: a quarter of the average width of A-Z and a-z
    const double avg = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    const QVector<int> stops = w.ListDelegate()->StopsPx(fm);
    ASSERT_EQ(stops, (QVector<int>{qRound(60 * avg / 4), qRound(355 * avg / 4)}));
    EXPECT_EQ(kv::app::FieldPositions("a\tb\tc", fm, stops), (QVector<int>{0, stops[0], stops[1]}));
    const QString longFirst(40, QLatin1Char('W'));  // past stop 1: the next field goes to stop 2
    ASSERT_TRUE(fm.horizontalAdvance(longFirst) > stops[0] && fm.horizontalAdvance(longFirst) < stops[1]);
    EXPECT_EQ(kv::app::FieldPositions(longFirst + "\tb", fm, stops)[1], stops[1]);
    const QString wide(200, QLatin1Char('n'));
    w.AddListRow("x.part\t" + wide.toStdString() + "\tend");
    w.AddListRow("short");
    w.RepaintList();
    const int endX = stops[0] + fm.horizontalAdvance(wide + "end");  // where the widest row ends, at least
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
    QAction *all = w.Action("ViewAllFiles"), *text = w.Action("ViewTextSearch");
    EXPECT_FALSE(all->isChecked());  // another word than YES unticks
    for (bool on : {true, false}) {
        all->trigger();
        text->trigger();
        EXPECT_EQ(all->isChecked(), on);
        EXPECT_EQ(text->isChecked() + w.tbTitelSearch()->isVisible() + w.lblTitelSearch()->isVisible() +
                      w.cbTitelSearch()->isVisible(), on ? 0 : 4);
        EXPECT_EQ(f.Ini("Display", "ShowAllPartMet") + f.Ini("Display", "ShowTextSearch"), on ? "YESNO" : "NOYES");
    }
    w.tbTitelSearch()->clear();  // an emptied box keeps the stored text
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Escape);
    EXPECT_TRUE(f.quits == 1 && !w.isVisible());
    EXPECT_EQ(f.Ini("Search", "LastSearchString"), "older");
}
