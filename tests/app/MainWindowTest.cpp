#include <filesystem>

#include "GuiFixture.h"

// The demo downloads with the search box hidden: F3 searches for the stored text, Enter presses the
// default button, which focusing the search box turns from Update DB into the search.
TEST(CheckRunWindow, DemoDataShowsItsOneFakeAndCopiesItsLinkKeysFollowTheFocus) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=NO\r\nShowTextSearch=NO\r\n"
                              "[Search]\r\nLastSearchString=SINTEL\r\n");
    std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", f.home.File("FAKES.DAT"));
    auto& w = f.Open();
    const QString found = QStringLiteral("Finished! Found 1 part.met-File with Text '%1'");
    EXPECT_FALSE(w.tbTitelSearch()->isVisible() || w.lblTitelSearch()->isVisible() || w.cbTitelSearch()->isVisible());
    w.resultsView()->setFocus();
    QTest::keyClick(w.resultsView(), Qt::Key_F3);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(w.stStatus()->text() + "|" + f.Head(), found.arg("SINTEL") + "|Partname\tFilename");
    QTest::keyClick(w.resultsView(), Qt::Key_Return);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(w.stStatus()->text(), "Could not open file http://127.0.0.1:9/u/Fakes.txt.");

    f.Check();
    const QString fake = QString::fromUtf8("Die Sch\xc3\xb6ne und das Biest, Teil 1 - DVDRip.avi");
    // The listed fake, then the fakes no list knows (their words are the detectors' tests').
    const QStringList rows = f.Rows();
    EXPECT_EQ(f.Head() + "\n" + rows.value(0), "Partname\tFilename\tError-Description\n002.part\t" + fake +
                                                 "\tFake: only the trailer, looped, then a password request");
    EXPECT_EQ(w.stStatus()->text(), "Finished! Found 1 Fakes and 3 Suspects in  9 checked .part.met");
    QStringList kinds;  // fakes and suspects stand out (colour and icon), told apart by their tool tips too
    for (int r = 0; r < w.Model()->rowCount(); ++r)
        kinds << w.Model()->index(r, 0).data(kv::app::FindingsModel::kRowKindRole).toString() + ":" +
                     w.Model()->index(r, 2).data(Qt::ToolTipRole).toString() + ":" +
                     (w.Model()->index(r, 0).data(Qt::DecorationRole).isNull() ? "" : "icon");
    EXPECT_EQ(kinds, (QStringList{"1:Fake:icon", "2:Suspect:icon", "2:Suspect:icon", "2:Suspect:icon"}));
    const QString link = "ed2k://|file|" + fake + "|734003200|3bd5ba5b199d13a55ab98766f2d08fcc|/";
    EXPECT_EQ(f.MenuCopy(0, "RowMenuCopyLink"), link);
    EXPECT_EQ(f.MenuCopy(0, "RowMenuCopyLinkHTML"), "<a href=\"" + link + "\">" + fake + "</a>");
    w.Hooks().popupMenu = [](QMenu&, const QPoint&) { ADD_FAILURE() << "a left click opens no menu"; };
    QTest::mouseClick(w.resultsView()->viewport(), Qt::LeftButton, {},
                      w.resultsView()->visualRect(w.Model()->index(0, 1)).center());

    w.Action("ViewTextSearch")->trigger();
    w.tbTitelSearch()->setText("bunny");
    w.tbTitelSearch()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(w.tbTitelSearch()->selectedText(), "bunny");
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Return);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(w.stStatus()->text(), found.arg("bunny"));
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_F, Qt::AltModifier);  // Check Files, not the File menu
    ASSERT_TRUE(f.Idle());
    EXPECT_TRUE(f.Rows() == rows && QApplication::activePopupWidget() == nullptr);
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_Escape);
    EXPECT_TRUE(f.quits == 1 && !w.isVisible() && f.boxes.empty());
    EXPECT_EQ(f.Ini("Search", "LastSearchString"), "bunny");
}

TEST(MainWindow, ListFollowsTheWindowDownToASizeThatShowsEveryControlAndTheStatusIsPlain) {
    GuiFixture f;
    auto& w = f.Open();
    QTableView* list = w.resultsView();
    const QRect list0 = list->geometry();
    const auto resize = [&](int dw, int h) { w.resize(w.width() + dw, h); QCoreApplication::processEvents(); };
    resize(150, w.height() + 90);
    EXPECT_NEAR(list->width(), list0.width() + 150, 1);
    EXPECT_NEAR(list->height(), list0.height() + 90, 1);
    EXPECT_EQ(w.frmStatus()->width(), list->width());
    // Made as small as it goes, every control is still inside the window and the list shows three rows.
    resize(-2000, 60);
    const QRect client = w.centralWidget()->rect();
    for (QWidget* c : std::initializer_list<QWidget*>{w.cbCheckFiles(), w.cbDownloadFakesDB(), w.cbTitelSearch(),
                                                      w.tbTitelSearch(), list, w.frmStatus()}) {
        EXPECT_TRUE(client.contains(QRect(c->mapTo(w.centralWidget(), QPoint(0, 0)), c->size())))
            << c->objectName().toStdString();
    }
    EXPECT_GE(list->viewport()->height(), 3 * list->verticalHeader()->defaultSectionSize());

    // The status is plain text, bytes that are not UTF-8 read as Windows-1252.
    w.SetStatus("<b>M\xfc" "ller</b>");
    EXPECT_EQ(std::pair(w.stStatus()->textFormat(), w.stStatus()->text()),
              std::pair(Qt::PlainText, QString::fromUtf8("<b>M\xc3\xbcller</b>")));
}
