// "Check &Files" pressed on the window: rows, commands, and the link menu
// putting the selected fake's link on the clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "KvLineEdit.h"
#include "PartMetBuilder.h"

using kv::test::GuiFixture;

namespace {

// Three downloads, two of them in FAKES.DAT (one with its hash in capitals).
void PrepareHome(GuiFixture& f, const std::string& extraIni = "") {
    kv::test::PartMetLayout fake1;
    fake1.hash = kv::test::SequentialHash(0x10);
    fake1.name = "Blockbuster 2026 DVDRip.avi";
    fake1.size = 734003200;
    kv::test::PartMetLayout ok;
    ok.hash = kv::test::SequentialHash(0x40);
    ok.name = "holiday.avi";
    ok.size = 1000;
    kv::test::PartMetLayout fake2;
    fake2.hash = kv::test::SequentialHash(0xA0);
    fake2.name = "M\xc3\xbcnchen & <Friends>.mkv";  // UTF-8 as aMule writes it
    fake2.nameCopies = 2;
    fake2.size = 5368709120ULL;
    fake2.version = 0xE2;
    f.home.Write("temp/001.part.met", kv::test::BuildPartMet(fake1));
    f.home.Write("temp/002.part.met", kv::test::BuildPartMet(ok));
    f.home.Write("temp/003.part.met", kv::test::BuildPartMet(fake2));
    f.home.Write("temp/003.part.met.bak", kv::test::BuildPartMet(fake2));
    f.home.Write("FAKES.DAT",
                 "101112131415161718191a1b1c1d1e1f,734003200,FAKE: password protected\r\n"
                 "A0A1A2A3A4A5A6A7A8A9AAABACADAEAF,5368709120,FAKE: audio only\r\n");
    f.WriteIni("[eMule]\r\nTempDir=" + f.home.File("temp") + "\r\n" + extraIni);
}

QStringList Rows(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

// Right button released over a row: the link menu opens; the test picks an item.
void RightClickRowAndChoose(kv::app::FrmStart& w, GuiFixture&, int row, const QString& actionName) {
    QListWidget* list = w.lbGefundeneFakes();
    const QPoint pos = list->visualItemRect(list->item(row)).center();
    bool shown = false;
    w.Hooks().popupMenu = [&](QMenu& menu, const QPoint&) {
        shown = true;
        EXPECT_EQ(&menu, w.MenuRechteMaustaste());
        for (QAction* a : menu.actions()) {
            if (a->objectName() == actionName) a->trigger();
        }
    };
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, pos);
    EXPECT_TRUE(shown);
}

}  // namespace

TEST(CheckRunWindow, CheckFilesListsFakesAndCopiesTheirLinks) {
    GuiFixture f;
    PrepareHome(f);
    auto& w = f.Open();
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Kestrivane Version 1.0.0")));
    EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("2 Fakes in DB")));

    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    const QStringList rows = Rows(w.lbGefundeneFakes());
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0], QStringLiteral("Partname\tFilename\tError-Description"));
    EXPECT_EQ(rows[2], QStringLiteral("001.part\tBlockbuster 2026 DVDRip.avi\tFAKE: password protected"));
    EXPECT_TRUE(rows[3].startsWith(QStringLiteral("002.part\tholiday.avi\t*** OK")));
    EXPECT_EQ(rows[4], QString::fromUtf8("003.part\tM\xc3\xbcnchen & <Friends>.mkv\tFAKE: audio only"));
    EXPECT_TRUE(w.stStatus()->text().startsWith(QStringLiteral("Finished! Found 2 Fakes in")));
    EXPECT_TRUE(w.stStatus()->text().endsWith(QStringLiteral("3 checked .part.met")));
    // The work commands are back on.
    EXPECT_TRUE(w.cbCheckFiles()->isEnabled());
    EXPECT_TRUE(w.cbDownloadFakesDB()->isEnabled());
    EXPECT_TRUE(w.cbTitelSearch()->isEnabled());
    EXPECT_TRUE(w.Action(QStringLiteral("OnlineFakesDB"))->isEnabled());
    EXPECT_TRUE(w.Action(QStringLiteral("OnlineKestrivane"))->isEnabled());
    EXPECT_TRUE(f.boxes.empty());

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    w.lbGefundeneFakes()->setCurrentRow(2);
    RightClickRowAndChoose(w, f, 2, QStringLiteral("RechteMaustasteCopyLink"));
    EXPECT_EQ(clipboard->text(),
              QStringLiteral("ed2k://|file|Blockbuster 2026 DVDRip.avi|734003200|"
                             "101112131415161718191a1b1c1d1e1f|/"));

    w.lbGefundeneFakes()->setCurrentRow(4);
    RightClickRowAndChoose(w, f, 4, QStringLiteral("RechteMaustasteCopyLink"));
    EXPECT_EQ(clipboard->text(), QString::fromUtf8("ed2k://|file|M\xc3\xbcnchen & <Friends>.mkv|5368709120|"
                                                   "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf|/"));
    RightClickRowAndChoose(w, f, 4, QStringLiteral("RechteMaustasteCopyLinkHTML"));
    EXPECT_TRUE(clipboard->text().startsWith(QStringLiteral("<a href=\"ed2k://|file|")));
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf")));

    // Left clicks never open the menu.
    bool shown = false;
    w.Hooks().popupMenu = [&](QMenu&, const QPoint&) { shown = true; };
    QTest::mouseClick(w.lbGefundeneFakes()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w.lbGefundeneFakes()->visualItemRect(w.lbGefundeneFakes()->item(2)).center());
    EXPECT_FALSE(shown);
}

TEST(CheckRunWindow, AltFFromSearchBoxRunsTheCheckWithoutAllFiles) {
    GuiFixture f;
    PrepareHome(f, "[Display]\r\nShowAllPartMet=NO\r\n");
    auto& w = f.Open();
    w.tbTitelSearch()->setFocus();
    QTest::keyClick(w.tbTitelSearch(), Qt::Key_F, Qt::AltModifier);
    const QStringList rows = Rows(w.lbGefundeneFakes());
    ASSERT_EQ(rows.size(), 4);  // head rows and the two fakes only
    EXPECT_TRUE(rows[2].startsWith(QStringLiteral("001.part\t")));
    EXPECT_TRUE(rows[3].startsWith(QStringLiteral("003.part\t")));
    // The key went to the button, not into the box or the File menu.
    EXPECT_EQ(w.tbTitelSearch()->text(), QStringLiteral("avi"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(CheckRunWindow, WithoutFakeListTheCheckOnlyReports) {
    GuiFixture f;
    PrepareHome(f);
    f.home.Write("FAKES.DAT", "");
    std::remove(f.home.File("FAKES.DAT").c_str());
    auto& w = f.Open();
    QTest::mouseClick(w.cbCheckFiles(), Qt::LeftButton);
    EXPECT_EQ(w.stStatus()->text(), QStringLiteral("No FAKES-DB found. Please 'Update DB'."));
    EXPECT_EQ(w.lbGefundeneFakes()->count(), 0);
    EXPECT_TRUE(w.cbCheckFiles()->isEnabled());
}
