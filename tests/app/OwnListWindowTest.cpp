#include "GuiFixture.h"

TEST(OwnListWindow, MarkAsFakePromptsStoresAndTheNextCheckSaysMineUnmarkAndShareLines) {
    DemoWindow f;
    auto& w = f.Checked();
    const QString before = f.Rows().value(0);
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    const QString name = before.section('\t', 1, 1);
    f.Answer(QString());  // cancelled: nothing stored
    f.MenuItem(0, "RowMenuMarkFake");
    EXPECT_TRUE(f.dialogs == QStringList{"MarkFakeDialog"} && !std::filesystem::exists(f.home.File("MYFAKES.DAT")));
    f.Answer("Renamed porn, not the film");
    f.MenuItem(0, "RowMenuMarkFake");
    EXPECT_EQ(f.asked, "Mark as fake|");  // an OK row offers nothing: its name says nothing of why
    EXPECT_EQ(w.stStatus()->text(), "Marked as fake in MYFAKES.DAT: " + name);
    const std::string own = f.home.Read("MYFAKES.DAT");
    EXPECT_EQ(own.substr(32), own.substr(32, own.find(',', 33) - 32) + ",Renamed porn, not the film\r\n");
    // The row says so at once, as the next check does.
    const QString marked = before.section('\t', 0, 1) + "\t[mine] Renamed porn, not the film";
    EXPECT_EQ(f.Rows()[0], marked);
    f.Check();
    EXPECT_EQ(f.Rows()[0], marked);
    EXPECT_EQ(f.MenuCopy(0, "RowMenuCopyListLine"), QString::fromUtf8(own.c_str()));

    f.MenuItem(0, "RowMenuUnmark");
    EXPECT_EQ(w.stStatus()->text(), "Removed from MYFAKES.DAT: " + name);
    EXPECT_EQ(f.home.Read("MYFAKES.DAT"), "");
    EXPECT_EQ(f.Rows()[0], before);
    w.resultsView()->clearSelection();
    w.Action("RowMenuMarkFake")->trigger();
    EXPECT_EQ(w.stStatus()->text(), "Select a download in the result of a check first.");
    EXPECT_TRUE(f.boxes.empty()) << f.boxes.join(";").toStdString();
}

// A window started afresh, with no FAKES.DAT at all, still finds what the own list names.
TEST(OwnListWindow, WithoutFakesDatAFreshWindowFindsWhatTheOwnListNames) {
    DemoWindow f("", false);
    f.Checked();
    const QString before = f.Rows().value(0);
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    f.Answer("Seen it");
    f.MenuItem(0, "RowMenuMarkFake");

    DemoWindow again("", false);
    std::filesystem::copy_file(f.home.File("MYFAKES.DAT"), again.home.File("MYFAKES.DAT"));
    auto& restarted = again.Checked();
    EXPECT_EQ(again.Rows()[0], before.section('\t', 0, 1) + "\t[mine] Seen it");
    EXPECT_TRUE(restarted.stStatus()->text().startsWith("Finished! Found 1 Fakes"))
        << restarted.stStatus()->text().toStdString();
}

// "Not a fake" on a row FAKES.DAT names: after the next check the row is OK with the reason given.
TEST(OwnListWindow, NotAFakeOverridesTheListAndTheNextCheckSaysAllowedByYou) {
    DemoWindow f;
    auto& w = f.Checked();
    const QStringList before = f.Rows();
    int row = -1;
    for (int r = 0; r < before.size() && row < 0; ++r)
        if (!before[r].section('\t', 2).startsWith("*** OK")) row = r;
    ASSERT_GE(row, 0) << before.join('\n').toStdString();
    f.Answer("My own holiday video");
    f.MenuItem(row, "RowMenuAllow");
    EXPECT_EQ(f.asked, "Not a fake|");  // the list's words are not offered
    EXPECT_EQ(w.stStatus()->text(), "Recorded as not a fake in MYFAKES.DAT: " + before[row].section('\t', 1, 1));
    QStringList expected = before;  // the others as they were
    expected[row] = before[row].section('\t', 0, 1) + "\t*** OK (allowed by you: My own holiday video)";
    EXPECT_EQ(f.Rows(), expected);  // at once, as the next check says
    f.Check();
    EXPECT_EQ(f.Rows(), expected);

    // Unmark takes the record out again: the list's verdict is back, at once and after the next check.
    f.MenuItem(row, "RowMenuUnmark");
    EXPECT_EQ(f.Rows(), before);
    f.Check();
    EXPECT_EQ(f.Rows(), before);
    EXPECT_TRUE(f.boxes.empty()) << f.boxes.join(";").toStdString();
}
