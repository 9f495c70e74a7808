#include "AboutDialog.h"
#include "OptionsDialog.h"
#include "GuiFixture.h"

using kv::app::OptionsDialog;

TEST(OptionsDialog, CancelAndEscWriteNothingEnterPressesOkWhichRefusesANonNumberThenStoresAndAppliesAtOnce) {
    GuiFixture f;
    f.Open();
    const std::string before = f.home.Read("Kestrivane.ini");
    const QString refused = "A tab stop is a whole number of dialog units, 0 to 32767.|critical|Kestrivane";
    // Closed by Cancel, by Esc, then by Enter, which presses OK.
    for (int way : {0, 1, 2}) f.With<OptionsDialog>([&] { f.w->Action("ExtrasOptions")->trigger(); }, [&](OptionsDialog& d) {
        EXPECT_TRUE(!d.cbFakesDat()->isChecked() && d.tbTabStop1()->text() == "60");  // read afresh each time
        d.cbFakesDat()->toggle();
        d.tbTabStop1()->setText("120abc");
        d.tbCheckFakesDatURL()->setText("http://127.0.0.1:9/other");
        way == 0 ? QTest::mouseClick(d.cbCancel(), Qt::LeftButton)
                 : QTest::keyClick(&d, way == 1 ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(f.home.Read("Kestrivane.ini"), before) << way;
        EXPECT_EQ(d.isVisible(), way == 2);
        if (way < 2) return;
        // Not a number: refused with a message, the field's text selected for typing over, nothing stored.
        EXPECT_EQ(f.boxes.join(";") + "|" + d.tbTabStop1()->selectedText(), refused + "|120abc");
        QTest::keyClicks(d.tbTabStop1(), "12x0");  // typed: the letter is refused as it comes
        EXPECT_EQ(d.tbTabStop1()->text(), "120");
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(f.Ini("Internet", "CheckFakesDatAtStart") + " " + f.Ini("Tabs", "TabStop1") + " " +
                  f.Ini("Internet", "FakesDatDownloadURL"), "YES 120 http://127.0.0.1:9/other");
    // Applied at once: the second column starts at the new stop.
    EXPECT_EQ(f.w->resultsView()->horizontalHeader()->sectionPosition(1), f.StopX(120));
    EXPECT_TRUE(f.dialogs.size() == 3u && f.quits == 0 && f.w->isVisible());  // Esc closed the dialog only
}

// Ctrl+A and Ctrl+X, which edit the search box while it has the focus, elsewhere open About and exit.
TEST(AboutBox, CtrlKeysOpenItAndExitOutsideTheSearchBoxAndItsLinksReportWhatFailsToOpen) {
    GuiFixture f("FeedbackAddress=feedback@example.org\r\n");
    auto& w = f.Open();
    w.tbTitelSearch()->setText("keep me");
    const auto ctrl = [&](QWidget* on, Qt::Key key) { QTest::keyClick(on, key, Qt::ControlModifier); };
    w.resultsView()->setFocus();
    f.With<kv::app::AboutDialog>([&] { ctrl(w.resultsView(), Qt::Key_A); }, [&](kv::app::AboutDialog& info) {
        f.openResult = false;  // links that cannot be opened: the messages
        for (QLabel* link : {(QLabel*)info.lblFakesDBText(), (QLabel*)info.lblDLText(), (QLabel*)info.lblMailText()})
            QTest::mouseClick(link, Qt::LeftButton);
        const QString failed = "Errors occurred.  Could not open link.|plain|Kestrivane";
        EXPECT_EQ(f.boxes, QStringList({failed, failed, "What could this error be?|plain|Kestrivane"}));
        // No address is built in: with none set, no empty mail form is opened.
        f.home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n");
        QTest::mouseClick(info.lblMailText(), Qt::LeftButton);
        EXPECT_EQ(f.boxes.last(), "No feedback address is set: store one as FeedbackAddress in Kestrivane.ini.|plain|Kestrivane");
        EXPECT_TRUE(info.isVisible());  // the dialog stays
        QTest::keyClick(&info, Qt::Key_Escape);
        EXPECT_FALSE(info.isVisible());
    });
    EXPECT_EQ(f.dialogs, QStringList{"frmInfo"});
    EXPECT_EQ(f.opened.at(0) + " " + f.opened.at(1),
              w.State().addresses.community + " " + w.State().addresses.downloadSite);
    ASSERT_TRUE(Activate(&w));  // the hook showed the box without a modal loop that would hand the focus back
    w.resultsView()->setFocus();
    ctrl(w.resultsView(), Qt::Key_X);  // Exit
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(w.tbTitelSearch()->text().toStdString() + "|" + f.Ini("Search", "LastSearchString"), "keep me|keep me");
}
