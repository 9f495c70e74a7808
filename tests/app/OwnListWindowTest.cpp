#include <filesystem>

#include "GuiFixture.h"

namespace {

// Triggers the named right-click item on a row, as a right click brings the menu up.
void MenuItem(kv::app::FrmStart& w, int row, const char* item) {
    w.Hooks().popupMenu = [&](QMenu& menu, const QPoint&) {
        for (QAction* a : menu.actions()) if (a->objectName() == QLatin1String(item)) a->trigger();
    };
    w.lbGefundeneFakes()->setCurrentRow(row);
    const QPoint pos = w.lbGefundeneFakes()->visualItemRect(w.lbGefundeneFakes()->item(row)).center();
    QTest::mouseClick(w.lbGefundeneFakes()->viewport(), Qt::RightButton, Qt::NoModifier, pos);
}

}  // namespace

TEST(OwnListWindow, MarkAsFakePromptsStoresAndTheNextCheckSaysMineUnmarkAndShareLines) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", f.home.File("FAKES.DAT"));
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_GT(f.Rows().size(), 3);
    const int row = 2;
    const QString before = f.Rows()[row];
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    const QString name = before.section('\t', 1, 1);

    // Cancelled: nothing stored.
    f.onDialog = [](QDialog& d) { d.reject(); };
    MenuItem(w, row, "RechteMaustasteMarkFake");
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
    MenuItem(w, row, "RechteMaustasteMarkFake");
    EXPECT_EQ(offered, name);  // an OK row offers the file's name to start from
    EXPECT_EQ(w.stStatus()->text(), "Marked as fake in MYFAKES.DAT: " + name);
    const std::string own = f.home.Read("MYFAKES.DAT");
    EXPECT_EQ(own.substr(32), own.substr(32, own.find(',', 33) - 32) + ",Renamed porn, not the film\r\n");

    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    EXPECT_EQ(f.Rows()[row], before.section('\t', 0, 1) + "\t[mine] Renamed porn, not the film");

    QGuiApplication::clipboard()->clear();
    MenuItem(w, row, "RechteMaustasteCopyListLine");
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

    MenuItem(w, row, "RechteMaustasteUnmark");
    EXPECT_EQ(w.stStatus()->text(), "Removed from MYFAKES.DAT: " + name);
    EXPECT_EQ(f.home.Read("MYFAKES.DAT"), "");
    MenuItem(w, row, "RechteMaustasteUnmark");
    EXPECT_EQ(w.stStatus()->text(), "Your own list MYFAKES.DAT does not name " + name + ".");
    MenuItem(w, 0, "RechteMaustasteMarkFake");  // the head row is no download
    EXPECT_EQ(w.stStatus()->text(), "Select a download in the result of a check first.");
    EXPECT_TRUE(f.boxes.empty()) << f.boxes.join(";").toStdString();
}

// A window started afresh, with no FAKES.DAT at all, still finds what the own list names.
TEST(OwnListWindow, WithoutFakesDatAFreshWindowFindsWhatTheOwnListNames) {
    GuiFixture f(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    ASSERT_GT(f.Rows().size(), 3);
    const QString before = f.Rows()[2];
    ASSERT_TRUE(before.endsWith("*** OK ")) << before.toStdString();
    f.onDialog = [](QDialog& d) {
        static_cast<QInputDialog&>(d).setTextValue("Seen it");
        static_cast<QInputDialog&>(d).accept();
    };
    MenuItem(w, 2, "RechteMaustasteMarkFake");
    ASSERT_TRUE(std::filesystem::exists(f.home.File("MYFAKES.DAT")));

    GuiFixture again(KV_DEMO_TEMP "[Display]\r\nShowAllPartMet=YES\r\n");
    std::filesystem::copy_file(f.home.File("MYFAKES.DAT"), again.home.File("MYFAKES.DAT"));
    auto& restarted = again.Open();
    QTest::mouseClick(restarted.cbCheckFiles(), Qt::LeftButton);
    EXPECT_EQ(again.Rows()[2], before.section('\t', 0, 1) + "\t[mine] Seen it");
    EXPECT_TRUE(restarted.stStatus()->text().startsWith("Finished! Found 1 Fakes")) << restarted.stStatus()->text().toStdString();
}
