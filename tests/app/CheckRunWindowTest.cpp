#include <filesystem>

#include "GuiFixture.h"

// Releases a mouse button over a row: what the named link-menu item put on the clipboard, or "no menu".
static QString CopyFromMenu(kv::app::FrmStart& w, int row, const char* item, Qt::MouseButton b = Qt::RightButton) {
    QString got = QStringLiteral("no menu");
    w.Hooks().popupMenu = [&](QMenu& menu, const QPoint&) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        for (QAction* a : menu.actions()) if (a->objectName() == QLatin1String(item)) a->trigger();
        got = QGuiApplication::clipboard()->text();
    };
    w.lbGefundeneFakes()->setCurrentRow(row);
    const QPoint pos = w.lbGefundeneFakes()->visualItemRect(w.lbGefundeneFakes()->item(row)).center();
    QTest::mouseClick(w.lbGefundeneFakes()->viewport(), b, Qt::NoModifier, pos);
    return got;
}

TEST(CheckRunWindow, CheckFilesListsFakesCopiesTheirLinksAndAltFWorksFromTheSearchBox) {
    GuiFixture f;
    f.AddDownload("001.part.met", "Blockbuster 2026 DVDRip.avi", 734003200, 0x10);
    f.AddDownload("002.part.met", "holiday.avi", 1000, 0x40);
    f.AddDownload("003.part.met", "M\xc3\xbcnchen & <Friends>.mkv", 5368709120ULL, 0xA0);
    f.home.Write("temp/003.part.met.bak", f.home.Read("temp/003.part.met"));
    f.home.Write("FAKES.DAT", "101112131415161718191a1b1c1d1e1f,734003200,FAKE: password protected\r\n"
                              "A0A1A2A3A4A5A6A7A8A9AAABACADAEAF,5368709120,FAKE: audio only\r\n");
    f.UseTemp();
    auto& w = f.Open();
    EXPECT_TRUE(w.windowTitle().startsWith("Kestrivane Version 1.0.0") && w.windowTitle().contains("2 Fakes in DB"));
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    EXPECT_EQ(f.Rows(), QStringList({"Partname\tFilename\tError-Description", " ",
                                     "001.part\tBlockbuster 2026 DVDRip.avi\tFAKE: password protected",
                                     "002.part\tholiday.avi\t*** OK ",
                                     QString::fromUtf8("003.part\tM\xc3\xbcnchen & <Friends>.mkv\tFAKE: audio only")}));
    const QString status = w.stStatus()->text();
    EXPECT_TRUE(status.startsWith("Finished! Found 2 Fakes in") && status.endsWith("3 checked .part.met"));
    EXPECT_TRUE(w.cbCheckFiles()->isEnabled() && w.cbDownloadFakesDB()->isEnabled() && w.cbTitelSearch()->isEnabled() &&
                w.Action("OnlineFakesDB")->isEnabled() && w.Action("OnlineKestrivane")->isEnabled());
    EXPECT_TRUE(f.boxes.empty());

    EXPECT_EQ(CopyFromMenu(w, 2, "RechteMaustasteCopyLink"),
              "ed2k://|file|Blockbuster 2026 DVDRip.avi|734003200|101112131415161718191a1b1c1d1e1f|/");
    const QString link("ed2k://|file|M\u00fcnchen & <Friends>.mkv|5368709120|a0a1a2a3a4a5a6a7a8a9aaabacadaeaf|/");
    EXPECT_EQ(CopyFromMenu(w, 4, "RechteMaustasteCopyLink"), link);
    EXPECT_TRUE(CopyFromMenu(w, 4, "RechteMaustasteCopyLinkHTML").startsWith("<a href=\"" + link.chopped(1) + "\">"));
    EXPECT_EQ(CopyFromMenu(w, 2, "RechteMaustasteCopyLink", Qt::LeftButton), "no menu");

    // With All Files off, Alt+F from the search box runs the check: the fakes only, the box untouched.
    w.Action("ViewAllFiles")->trigger();
    w.tbTitelSearch()->setFocus();
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(f.Rows().mid(2).join('|').replace(QRegularExpression("\t[^|]*"), ""), "001.part|003.part");
    EXPECT_EQ(w.tbTitelSearch()->text(), "avi");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(CheckRunWindow, DemoDataShowsItsOneFakeAndCopiesItsLink) {
    GuiFixture f;
    std::filesystem::copy_file(KV_EXAMPLES_DIR "/FAKES.DAT", f.home.File("FAKES.DAT"));
    f.WriteIni("[eMule]\r\nTempDir=" KV_EXAMPLES_DIR "/demo-temp\r\n[Display]\r\nShowAllPartMet=NO\r\n");
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    const QString fake = QString::fromUtf8("Die Sch\xc3\xb6ne und das Biest, Teil 1 - DVDRip.avi");
    EXPECT_EQ(f.Rows().mid(2),
              QStringList("002.part\t" + fake + "\tFake: only the trailer, looped, then a password request"));
    EXPECT_TRUE(w.stStatus()->text().endsWith(" 6 checked .part.met"));
    EXPECT_EQ(CopyFromMenu(w, 2, "RechteMaustasteCopyLink"),
              "ed2k://|file|" + fake + "|734003200|3bd5ba5b199d13a55ab98766f2d08fcc|/");
}
