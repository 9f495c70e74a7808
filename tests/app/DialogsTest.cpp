#include "FrmInfo.h"
#include "FrmOptions.h"
#include "GuiFixture.h"

using kv::app::FrmOptions;

// Runs body on the dialog that open brings up, while it is shown and has the keyboard.
template <class Dialog>
static void With(GuiFixture& f, const std::function<void()>& open, const std::function<void(Dialog&)>& body) {
    f.onDialog = [&](QDialog& dialog) {
        ASSERT_TRUE(Activate(&dialog));
        body(*qobject_cast<Dialog*>(&dialog));
    };
    open();
    f.onDialog = nullptr;
}

TEST(OptionsDialog, CancelWritesNothingOkStoresExactValuesEmptiedBoxesStoreDefaults) {
    GuiFixture f;
    f.Open();
    const auto options = [&] { f.w->Action("ExtrasOptions")->trigger(); };
    const auto tabs = [&] { return f.w->ListDelegate()->TabStopUnits(); };
    const std::string longUrl = "http://127.0.0.1:9/" + std::string(131, 'u');  // 150 characters
    // Written after start-up, which then runs no check.
    for (auto [key, value] : {std::pair{"CheckKestrivaneAtStart", "YES"}, {"CheckFakesDatAtStart", "yes"},
                              {"TabStop1", "120abc"}, {"FakesDatDownloadURL", longUrl.c_str()}})
        kv::WriteIniString(key[0] == 'T' ? "Tabs" : "Internet", key, value, f.home.File("Kestrivane.ini"));
    const std::string before = f.home.Read("Kestrivane.ini");
    for (bool esc : {false, true}) With<FrmOptions>(f, options, [&](FrmOptions& d) {
        d.cbFakesDat()->toggle();
        d.tbTabStop1()->setText("999");
        d.tbCheckFakesDatURL()->setText("http://127.0.0.1:9/other");
        esc ? QTest::keyClick(&d, Qt::Key_Escape) : QTest::mouseClick(d.cbCancel(), Qt::LeftButton);
        EXPECT_TRUE(!d.isVisible() && d.result() == QDialog::Rejected) << esc;
    });
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);
    EXPECT_EQ(tabs(), (QVector<int>{60, 355}));
    With<FrmOptions>(f, options, [&](FrmOptions& d) {
        EXPECT_EQ(d.windowTitle(), "Kestrivane-Options");
        EXPECT_TRUE(d.cbKestrivane()->isChecked() && !d.cbFakesDat()->isChecked());  // lower-case yes is not ticked
        EXPECT_EQ(d.tbTabStop1()->text() + "|" + d.tbTabStop2()->text() + "|" + d.tbCheckFakesDatURL()->text(),
                  "120abc|355|" + QString::fromStdString(longUrl));  // read afresh: nothing typed before survived
        EXPECT_EQ(d.lblFakesDatVersion()->text(), "Fakes-DB-Version: 0");
        QTest::mouseClick(d.cbOK(), Qt::LeftButton);
    });
    EXPECT_EQ(f.Ini("Internet", "CheckKestrivaneAtStart") + f.Ini("Internet", "CheckFakesDatAtStart"), "YESNO");
    EXPECT_EQ(f.Ini("Tabs", "TabStop1") + " " + f.Ini("Internet", "FakesDatDownloadURL"), "120abc " + longUrl);
    EXPECT_EQ(tabs(), (QVector<int>{120, 355}));  // at once
    With<FrmOptions>(f, options, [&](FrmOptions& d) {
        for (auto* box : {d.tbTabStop1(), d.tbTabStop2(), d.tbCheckFakesDatURL()}) box->clear();
        QTest::keyClick(&d, Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_EQ(f.Ini("Tabs", "TabStop1") + f.Ini("Tabs", "TabStop2") + " " + f.Ini("Internet", "FakesDatDownloadURL"),
              "60355 " + f.w->State().gDefaultFakesUrl);
    EXPECT_EQ(tabs(), (QVector<int>{60, 355}));
    EXPECT_EQ(f.dialogs.size(), 4u);
}

TEST(AboutBox, CtrlKeysFromTheSearchBoxOpenItSendFeedbackAndExit) {
    GuiFixture f;
    auto& w = f.Open();
    const auto& s = w.State();
    w.tbTitelSearch()->setText("keep me");
    w.tbTitelSearch()->setFocus();
    const auto ctrl = [&](Qt::Key key) { QTest::keyClick(w.tbTitelSearch(), key, Qt::ControlModifier); };
    With<kv::app::FrmInfo>(f, [&] { ctrl(Qt::Key_A); }, [&](kv::app::FrmInfo& info) {
        EXPECT_EQ(info.windowTitle(), "Kestrivane-Info  1.0.0");
        EXPECT_EQ(info.lblText1()->text().split('\n').mid(1),
                  QStringList({"and powered by Brindlecast.", "Thanks to all the SupportinG gUyZ!"}));
        f.openResult = false;  // links that cannot be opened: the messages, the dialog stays
        for (QLabel* link : {(QLabel*)info.lblFakesDBText(), (QLabel*)info.lblDLText(), (QLabel*)info.lblMailText()})
            QTest::mouseClick(link, Qt::LeftButton);
        const QString failed = "Errors occurred.  Could not open link.|0|Kestrivane";
        EXPECT_EQ(f.boxes, std::vector<QString>({failed, failed, "What could this error be?|0|Kestrivane"}));
        EXPECT_TRUE(info.isVisible());
        QTest::keyClick(&info, Qt::Key_Escape);
        EXPECT_FALSE(info.isVisible());
    });
    ASSERT_TRUE(Activate(&w));  // the hook showed the box without a modal loop that would hand the focus back
    for (Qt::Key key : {Qt::Key_O, Qt::Key_S, Qt::Key_P}) ctrl(key);
    EXPECT_EQ(f.dialogs, (std::vector<QString>{"frmInfo", "frmOptions"}));  // Ctrl+P is greyed out
    const std::string mail = "mailto:" + s.gFeedbackAddress +
                             "?Subject=Some feedback about Kestrivane 1.0.0&body=My very important blabla";
    // The mail link and Ctrl+S open the same address.
    EXPECT_EQ(f.opened, (std::vector<std::string>{s.gCommunityUrl, s.gDownloadSiteUrl, mail, mail}));
    ctrl(Qt::Key_X);  // Exit, not Cut
    EXPECT_EQ(f.quits, 1);
    EXPECT_EQ(w.tbTitelSearch()->text().toStdString() + "|" + f.Ini("Search", "LastSearchString"), "keep me|keep me");
}
