// The options dialog; the about box and the other Ctrl keys from the search box.
#include <QCheckBox>

#include "FrmInfo.h"
#include "FrmOptions.h"
#include "GuiFixture.h"
#include "TabStopDelegate.h"

using kv::app::FrmOptions;
using kv::test::GuiFixture;

// Runs body on the dialog that open brings up, while it is shown and has the keyboard.
template <class Dialog>
static void With(GuiFixture& f, const std::function<void()>& open, const std::function<void(Dialog&)>& body) {
    f.onDialog = [&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        body(*qobject_cast<Dialog*>(&dialog));
    };
    open();
    f.onDialog = nullptr;
}

TEST(OptionsDialog, CancelWritesNothingOkStoresExactValuesEmptiedBoxesStoreDefaults) {
    GuiFixture f;
    f.Open();
    const auto options = [&] { f.w->Action(QStringLiteral("ExtrasOptions"))->trigger(); };
    const std::string longUrl = "http://127.0.0.1:9/" + std::string(131, 'u');  // 150 characters
    // Written after start-up, which then runs no check.
    for (auto [key, value] : {std::pair{"CheckKestrivaneAtStart", "YES"}, {"CheckFakesDatAtStart", "yes"},
                              {"TabStop1", "120abc"}, {"FakesDatDownloadURL", longUrl.c_str()}})
        kv::WriteIniString(key[0] == 'T' ? "Tabs" : "Internet", key, value, f.home.File("Kestrivane.ini"));
    const std::string before = f.home.Read("Kestrivane.ini");
    for (int how = 0; how < 3; ++how) {
        With<FrmOptions>(f, options, [&](FrmOptions& d) {
            d.cbFakesDat()->toggle();
            d.tbTabStop1()->setText(QStringLiteral("999"));
            d.tbCheckFakesDatURL()->setText(QStringLiteral("http://127.0.0.1:9/other"));
            if (how == 0) QTest::mouseClick(d.cbCancel(), Qt::LeftButton);
            if (how == 1) QTest::keyClick(&d, Qt::Key_Escape);
            if (how == 2) d.close();
            EXPECT_TRUE(!d.isVisible() && d.result() == QDialog::Rejected) << how;
        });
    }
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);
    EXPECT_EQ(f.w->ListDelegate()->TabStopUnits(), (QVector<int>{60, 355}));
    With<FrmOptions>(f, options, [&](FrmOptions& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kestrivane-Options"));
        EXPECT_TRUE(d.cbKestrivane()->isChecked());  // read afresh: nothing typed before survived
        EXPECT_FALSE(d.cbFakesDat()->isChecked());  // lower-case yes is not ticked
        EXPECT_EQ(d.tbTabStop1()->text() + "|" + d.tbTabStop2()->text(), QStringLiteral("120abc|355"));
        EXPECT_EQ(d.tbCheckFakesDatURL()->text().toStdString(), longUrl);
        EXPECT_EQ(d.lblFakesDatVersion()->text(), QStringLiteral("Fakes-DB-Version: 0"));
        QTest::mouseClick(d.cbOK(), Qt::LeftButton);
    });
    EXPECT_EQ(f.Ini("Internet", "CheckKestrivaneAtStart") + f.Ini("Internet", "CheckFakesDatAtStart"), "YESNO");
    EXPECT_EQ(f.Ini("Tabs", "TabStop1") + " " + f.Ini("Internet", "FakesDatDownloadURL"), "120abc " + longUrl);
    EXPECT_EQ(f.w->ListDelegate()->TabStopUnits(), (QVector<int>{120, 355}));  // at once

    With<FrmOptions>(f, options, [&](FrmOptions& d) {
        for (auto* box : {d.tbTabStop1(), d.tbTabStop2(), d.tbCheckFakesDatURL()}) box->clear();
        QTest::keyClick(&d, Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_EQ(f.Ini("Tabs", "TabStop1") + "|" + f.Ini("Tabs", "TabStop2"), "60|355");
    EXPECT_EQ(f.Ini("Internet", "FakesDatDownloadURL"), f.w->State().gDefaultFakesUrl);
    EXPECT_EQ(f.w->ListDelegate()->TabStopUnits(), (QVector<int>{60, 355}));
    EXPECT_EQ(f.dialogs.size(), 5u);
}

TEST(AboutBox, CtrlKeysFromTheSearchBoxOpenItSendFeedbackAndExit) {
    GuiFixture f;
    auto& w = f.Open();
    const auto& s = w.State();
    w.tbTitelSearch()->setText(QStringLiteral("keep me"));
    w.tbTitelSearch()->setFocus();
    const auto ctrl = [&](Qt::Key key) { QTest::keyClick(w.tbTitelSearch(), key, Qt::ControlModifier); };
    With<kv::app::FrmInfo>(f, [&] { ctrl(Qt::Key_A); }, [&](kv::app::FrmInfo& info) {
        EXPECT_EQ(info.windowTitle(), QStringLiteral("Kestrivane-Info  1.0.0"));
        const QStringList lines = info.lblText1()->text().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.mid(1), QStringList({"and powered by Brindlecast.", "Thanks to all the SupportinG gUyZ!"}));
        f.openResult = false;  // links that cannot be opened: the messages, the dialog stays
        for (QLabel* link : {(QLabel*)info.lblFakesDBText(), (QLabel*)info.lblDLText(), (QLabel*)info.lblMailText()})
            QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(f.boxes, std::vector<QString>({"Errors occurred.  Could not open link.|0|Kestrivane",
                                                 "Errors occurred.  Could not open link.|0|Kestrivane",
                                                 "What could this error be?|0|Kestrivane"}));
        ASSERT_EQ(f.opened.size(), 3u);
        EXPECT_EQ(f.opened[0].toStdString() + " " + f.opened[1].toStdString(),
                  s.gCommunityUrl + " " + s.gDownloadSiteUrl);
        EXPECT_TRUE(info.isVisible());
        QTest::keyClick(&info, Qt::Key_Escape);
        EXPECT_FALSE(info.isVisible());
    });
    w.activateWindow();  // the hook showed the box without a modal loop that would hand the focus back
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (Qt::Key key : {Qt::Key_O, Qt::Key_S, Qt::Key_P}) ctrl(key);
    EXPECT_EQ(f.dialogs, (std::vector<QString>{"frmInfo", "frmOptions"}));  // Ctrl+P is greyed out
    ASSERT_EQ(f.opened.size(), 4u);  // Ctrl+S: the very address of the mail link
    EXPECT_EQ(f.opened[3], f.opened[2]);
    const std::string mail = "mailto:" + s.gFeedbackAddress + "?Subject=Some feedback about Kestrivane 1.0.0";
    EXPECT_EQ(f.opened[3].toStdString(), mail + "&body=My very important blabla");
    ctrl(Qt::Key_X);  // Exit, not Cut
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("keep me"));
    EXPECT_EQ(f.Ini("Search", "LastSearchString"), "keep me");
}
