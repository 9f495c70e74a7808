// "Add the clean links to aMule" in the link dialog against a throwaway
// amuled on loopback: only the links judged OK reach aMule's queue, read back
// with the daemon's own amulecmd.
#include <filesystem>

#include "AmuleDaemon.h"
#include "CheckLinksDialog.h"
#include "GuiFixture.h"
#include "clients/amule/ConnectionSettings.h"
#include "common/StringUtil.h"

namespace {

using kv::app::CheckLinksDialog;
using kv::test::AmuleDaemon;

const std::string kFake = "0123456789abcdef0123456789abcdef";
const std::string kProgram = "5f0e2b6c9a1d4e7f8a3b2c1d0e9f8a7b";
const std::string kFilm = "00112233445566778899aabbccddeeff";
const std::string kSong = "fedcba9876543210fedcba9876543210";

TEST(AmuleLinksDialog, AddsOnlyTheCleanLinksOnceAndSaysWhenAmuleCannotBeReached) {
    if (!AmuleDaemon::Installed())
        GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
    kv::test::ScopedTempDir root;
    std::filesystem::create_directories(root.path() + "/.aMule");
    AmuleDaemon daemon(root.path() + "/.aMule");
    ASSERT_TRUE(daemon.Running()) << daemon.Log();
    GuiFixture f;
    f.home.Write("FAKES.DAT", kFake + ",734003200,Trailer only\r\n");
    const auto store = [&](uint16_t port) {
        ASSERT_TRUE(kv::ec::StoreConnection(f.home.File("amule-connection.ini"),
                                            {"127.0.0.1", port, AmuleDaemon::kPasswordMd5}));
    };
    const QString links = QString::fromStdString(
        "ed2k://|file|Trailer.avi|734003200|" + kFake + "|/\n"
        "ed2k://|file|Holiday%20Photos.jpg.exe|348160|" + kProgram + "|/\n"
        "ed2k://|file|Film%20One.avi|734003200|" + kFilm + "|/\n"
        "magnet:?xt=urn:ed2k:" + kSong + "&xl=5242880&dn=Song.mp3\n"
        "ed2k://|file|Film%20One.avi|734003200|" + kFilm + "|/\n"
        "ed2k://|file|bad|1|x|/\n");
    auto& w = f.Open();
    f.With<CheckLinksDialog>([&] { w.Action("FileCheckLinks")->trigger(); }, [&](CheckLinksDialog& d) {
        const auto check = [&](const QString& text) {
            d.tbLinks()->setPlainText(text);
            QTest::mouseClick(d.cbCheck(), Qt::LeftButton);
        };
        check(links);
        EXPECT_FALSE(d.cbAddToAmule()->isEnabled()) << "no connection stored";

        store(kv::test::FreeLoopbackPort());
        check(QString::fromStdString("ed2k://|file|Trailer.avi|734003200|" + kFake + "|/\n"));
        EXPECT_FALSE(d.cbAddToAmule()->isEnabled()) << "no clean link";
        check(links);
        ASSERT_TRUE(d.cbAddToAmule()->isEnabled());
        QTest::mouseClick(d.cbAddToAmule(), Qt::LeftButton);
        EXPECT_TRUE(d.stStatus()->text().startsWith("aMule: aMule refused the connection"))
            << d.stStatus()->text().toStdString();
        EXPECT_TRUE(d.cbAddToAmule()->isEnabled()) << "to try again once aMule runs";

        store(daemon.Port());
        QTest::mouseClick(d.cbAddToAmule(), Qt::LeftButton);
        EXPECT_EQ(d.stStatus()->text(), "Clean links added to aMule: 2 of 2");
        EXPECT_FALSE(d.cbAddToAmule()->isEnabled()) << "added once";
    });
    const std::string shown = kv::ToLowerAscii(daemon.Amulecmd("show dl"));
    EXPECT_TRUE(shown.find(kFilm) != std::string::npos && shown.find(kSong) != std::string::npos) << shown;
    EXPECT_EQ(shown.find(kFake), std::string::npos) << "the fake: " << shown;
    EXPECT_EQ(shown.find(kProgram), std::string::npos) << "the suspect: " << shown;
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(";").toStdString();
}

}  // namespace
