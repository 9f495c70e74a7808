#include "FirstStartDialog.h"
#include "GuiFixture.h"

using kv::app::FirstStartDialog;

TEST(FirstStart, OnlyWithoutAnEarlierSettingsFileAndWithoutATempDirectory) {
    GuiFixture bare, withTemp("[eDonkey]\r\nTempPath=/srv/temp\r\n");
    bare.Open();
    withTemp.Open();
    EXPECT_EQ(std::tuple(bare.w->FirstStartWanted(false), bare.w->FirstStartWanted(true),
                         withTemp.w->FirstStartWanted(false)), std::tuple(true, false, false));
    EXPECT_TRUE(bare.dialogs.isEmpty());  // building the window never shows it
}

TEST(FirstStart, OffersTheFilesFoundExplainsTheListAndImportsTheChosenOne) {
    FakeHome user;
    user.dir.Write(".aMule/amule.conf", "[eMule]\nTempDir=" + user.dir.File(".aMule/Temp") + "\n");
    user.dir.Write(".wine/drive_c/Program Files/eMule/config/preferences.ini",
                   "[eMule]\r\nTempDir=C:\\eMule\\Temp\r\n");
    user.dir.Write(".wine/drive_c/Program Files/eDonkey2000/pref.met", "no temp entry");
    GuiFixture f;
    f.Open();
    const std::string before = f.home.Read("Kestrivane.ini");
    f.With<FirstStartDialog>([&] { f.w->RunFirstStart(); }, [&](FirstStartDialog& d) {
        ASSERT_EQ(std::pair(d.lstClients()->count(), d.lstClients()->currentRow()), std::pair(4, 0));  // and "none"
        EXPECT_FALSE(d.lstClients()->item(2)->flags() & Qt::ItemIsEnabled);  // the pref.met names no temp directory
        EXPECT_EQ(d.tbUpdateURL()->text(), "http://127.0.0.1:9/u");
        QTest::mouseClick(d.cbCancel(), Qt::LeftButton);
    });
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);  // Cancel stores nothing

    f.With<FirstStartDialog>([&] { f.w->RunFirstStart(); }, [&](FirstStartDialog& d) {
        d.lstClients()->setCurrentRow(1);
        d.tbUpdateURL()->setText(" http://127.0.0.1:9/lists ");
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_EQ(f.Ini("eMule", "TempDir"), user.dir.File(".wine/drive_c/eMule/Temp"));
    EXPECT_EQ(f.Ini("eMule", "PreferencesIniPath"), user.dir.File(".wine/drive_c/Program Files/eMule/config"));
    EXPECT_EQ(f.Ini("Internet", "FakesDatDownloadURL"), "http://127.0.0.1:9/lists");
    EXPECT_TRUE(f.w->stStatus()->text().startsWith("eMule PREFERENCES.INI successfully opened"));
}

// No address is made up: the field starts empty, the text says there is no public list and how to get one, and
// "Update DB" then says the same instead of a failed download. With no client found, it says where it looked.
TEST(FirstStart, WithoutAnAddressTheFieldStaysEmptyAndTheTextsSayThereIsNoPublicList) {
    FakeHome user;
    GuiFixture f;
    f.home.Write("Kestrivane.ini", "");
    f.Open();
    f.With<FirstStartDialog>([&] { f.w->RunFirstStart(); }, [&](FirstStartDialog& d) {
        EXPECT_EQ(d.tbUpdateURL()->text() + d.tbUpdateURL()->placeholderText(), "");
        const QString text = d.lblFakeList()->text();
        for (const char* part : {"There is no public fake list", "the content check below works without one",
                                 "mark the fakes you find yourself", "a group you belong to",
                                 "The field may stay empty."})
            EXPECT_TRUE(text.contains(part)) << part;
        EXPECT_FALSE(text.contains("http")) << text.toStdString();
        EXPECT_EQ(d.lstClients()->count(), 1);
        EXPECT_TRUE(d.findChild<QLabel*>("lblClients")->text().contains("~/.aMule"));
        QTest::mouseClick(d.cbOK(), Qt::LeftButton);
    });
    EXPECT_EQ(f.Ini("Internet", "FakesDatDownloadURL") + f.Ini("eMule", "TempDir"), "<missing><missing>");

    QTest::mouseClick(f.w->cbDownloadFakesDB(), Qt::LeftButton);
    ASSERT_TRUE(f.Idle());
    EXPECT_EQ(f.w->stStatus()->text(),
              "No update address is set. There is no public fake list; the content check works without one. "
              "Mark fakes yourself, or enter a group's update address in Extras > Options.");
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(";").toStdString();
}
