#include <filesystem>

#include "GuiFixture.h"

TEST(OwnListWindow, MarkAsFakePromptsStoresAndTheNextCheckSaysMineUnmarkAndShareLines) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", f.home.File("FAKES.DAT"));
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    ASSERT_GT(f.Rows().size(), 1);
    const int row = 0;
    const QString before = f.Rows()[row];
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    const QString name = before.section('\t', 1, 1);

    // Cancelled: nothing stored.
    f.onDialog = [](QDialog& d) { d.reject(); };
    f.MenuItem(row, "RechteMaustasteMarkFake");
    EXPECT_EQ(f.dialogs, QStringList{"FrmMarkFake"});
    EXPECT_FALSE(std::filesystem::exists(f.home.File("MYFAKES.DAT")));

    QString offered;
    f.onDialog = [&](QDialog& d) {
        auto& input = static_cast<QInputDialog&>(d);
        offered = input.textValue();
        EXPECT_EQ(input.windowTitle(), "Mark as fake");
        input.setTextValue("Renamed porn, not the film");
        input.accept();
    };
    f.MenuItem(row, "RechteMaustasteMarkFake");
    EXPECT_EQ(offered, name);  // an OK row offers the file's name to start from
    EXPECT_EQ(w.stStatus()->text(), "Marked as fake in MYFAKES.DAT: " + name);
    const std::string own = f.home.Read("MYFAKES.DAT");
    EXPECT_EQ(own.substr(32), own.substr(32, own.find(',', 33) - 32) + ",Renamed porn, not the film\r\n");

    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(f.Rows()[row], before.section('\t', 0, 1) + "\t[mine] Renamed porn, not the film");

    QGuiApplication::clipboard()->clear();
    f.MenuItem(row, "RechteMaustasteCopyListLine");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(own.c_str()));

    // File > Export my fake list...: a save dialog, then the own list's lines there.
    const std::string exported = f.home.File("shared/FAKES.DAT");
    std::filesystem::create_directories(f.home.File("shared"));
    w.Hooks().chooseFile = [&](QWidget*, const kv::FileChooserRequest& r) {
        EXPECT_TRUE(r.save);
        return kv::FileChoice{true, exported, 0};
    };
    w.Action("FileExportOwnList")->trigger();
    EXPECT_EQ(f.home.Read("shared/FAKES.DAT"), own);

    f.MenuItem(row, "RechteMaustasteUnmark");
    EXPECT_EQ(w.stStatus()->text(), "Removed from MYFAKES.DAT: " + name);
    EXPECT_EQ(f.home.Read("MYFAKES.DAT"), "");
    f.MenuItem(row, "RechteMaustasteUnmark");
    EXPECT_EQ(w.stStatus()->text(), "Your own list MYFAKES.DAT does not name " + name + ".");
    f.MenuItem(-1, "RechteMaustasteMarkFake");  // no row selected
    EXPECT_EQ(w.stStatus()->text(), "Select a download in the result of a check first.");
    EXPECT_TRUE(f.boxes.empty()) << f.boxes.join(";").toStdString();
}

// A window started afresh, with no FAKES.DAT at all, still finds what the own list names.
TEST(OwnListWindow, WithoutFakesDatAFreshWindowFindsWhatTheOwnListNames) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    ASSERT_GT(f.Rows().size(), 1);
    const QString before = f.Rows()[0];
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    f.onDialog = [](QDialog& d) {
        static_cast<QInputDialog&>(d).setTextValue("Seen it");
        static_cast<QInputDialog&>(d).accept();
    };
    f.MenuItem(0, "RechteMaustasteMarkFake");
    ASSERT_TRUE(std::filesystem::exists(f.home.File("MYFAKES.DAT")));

    GuiFixture again(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    std::filesystem::copy_file(f.home.File("MYFAKES.DAT"), again.home.File("MYFAKES.DAT"));
    auto& restarted = again.Open();
    QTest::mouseClick(restarted.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(again.Idle());
    EXPECT_EQ(again.Rows()[0], before.section('\t', 0, 1) + "\t[mine] Seen it");
    EXPECT_TRUE(restarted.stStatus()->text().startsWith("Finished! Found 1 Fakes")) << restarted.stStatus()->text().toStdString();
}

// "Not a fake" on a row FAKES.DAT names: after the next check the row is OK with the reason given.
TEST(OwnListWindow, NotAFakeOverridesTheListAndTheNextCheckSaysAllowedByYou) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", f.home.File("FAKES.DAT"));
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    const QStringList before = f.Rows();
    int row = -1;
    for (int r = 0; r < before.size() && row < 0; ++r)
        if (!before[r].section('\t', 2).startsWith("*** OK")) row = r;
    ASSERT_GE(row, 0) << before.join('\n').toStdString();
    const QString name = before[row].section('\t', 1, 1);

    // Cancelled: nothing stored.
    f.onDialog = [](QDialog& d) { d.reject(); };
    f.MenuItem(row, "RechteMaustasteAllow");
    EXPECT_EQ(f.dialogs, QStringList{"FrmMarkFake"});
    EXPECT_FALSE(std::filesystem::exists(f.home.File("MYFAKES.DAT")));

    f.onDialog = [&](QDialog& d) {
        auto& input = static_cast<QInputDialog&>(d);
        EXPECT_EQ(input.windowTitle(), "Not a fake");
        EXPECT_EQ(input.textValue(), "");  // the list's words are not offered as the reason
        input.setTextValue("My own holiday video");
        input.accept();
    };
    f.MenuItem(row, "RechteMaustasteAllow");
    EXPECT_EQ(w.stStatus()->text(), "Recorded as not a fake in MYFAKES.DAT: " + name);

    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    const QStringList after = f.Rows();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[row], before[row].section('\t', 0, 1) + "\t*** OK (allowed by you: My own holiday video)");
    for (int r = 0; r < before.size(); ++r) {
        if (r == row) continue;
        EXPECT_EQ(after[r], before[r]);  // the others as they were
    }

    // Unmark takes the record out again: the list's verdict is back.
    f.MenuItem(row, "RechteMaustasteUnmark");
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(f.Rows()[row], before[row]);
    EXPECT_TRUE(f.boxes.empty()) << f.boxes.join(";").toStdString();
}
