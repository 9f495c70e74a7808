// The window against a throwaway amuled on loopback: the connection stored
// from the options dialog, Check aMule, and the row menu's aMule commands,
// each read back with the daemon's own amulecmd.
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "AmuleDaemon.h"
#include "FrmOptions.h"
#include "GuiFixture.h"
#include "common/FileUtil.h"

namespace {

using kv::app::FrmOptions;
using kv::test::AmuleDaemon;

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";
const char* const kSong = "ed2k://|file|Song.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/";
const char* const kSongHash = "FEDCBA9876543210FEDCBA9876543210";

class AmuleWindow : public testing::Test {
protected:
    kv::test::ScopedTempDir root;  // the user's HOME, aMule's configuration in .aMule
    std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::unique_ptr<AmuleDaemon> daemon;
    GuiFixture f{"[Display]\r\nShowAllPartMet=YES\r\n"};

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(root.path() + "/.aMule");
        daemon = std::make_unique<AmuleDaemon>(root.path() + "/.aMule");
        ASSERT_TRUE(daemon->Running()) << daemon->Log();
        setenv("HOME", root.path().c_str(), 1);
    }
    void TearDown() override { savedHome.empty() ? unsetenv("HOME") : setenv("HOME", savedHome.c_str(), 1); }

    std::string Stored() const { return f.home.File("amule-connection.ini"); }
    // The options dialog with the aMule group filled in by fill, then OK.
    void Options(const std::function<void(FrmOptions&)>& fill) {
        f.With<FrmOptions>([&] { f.w->Action("ExtrasOptions")->trigger(); }, [&](FrmOptions& d) {
            fill(d);
            QTest::mouseClick(d.cbOK(), Qt::LeftButton);
            if (d.isVisible()) d.reject();  // refused: the test goes on with Cancel
        });
    }
    // The line below the download's hash in amulecmd's "show dl".
    std::string Shown(const char* hash) const {
        const std::string shown = daemon->Amulecmd("show dl");
        const size_t at = shown.find(hash);
        if (at == std::string::npos) return "(not shown)";
        const size_t next = shown.find('\n', at);
        return shown.substr(next + 1, shown.find('\n', next + 1) - next - 1);
    }
};

TEST_F(AmuleWindow, AFailedLoginIsShownAndStoresNothingTheLocalAmuleIsFoundAndStored) {
    f.Open();
    const auto usable = [&] {
        return std::tuple(f.w->cbCheckAmule()->isVisible(), f.w->Action("FileCheckAmule")->isEnabled(),
                          f.w->Action("RechteMaustasteAmulePause")->isEnabled());
    };
    EXPECT_EQ(usable(), std::tuple(false, false, false));
    const QString port = QString::number(daemon->Port());
    Options([&](FrmOptions& d) {
        d.tbAmuleHost()->setText("127.0.0.1");
        d.tbAmulePort()->setText(port);
        d.tbAmulePassword()->setText("guess");
    });
    ASSERT_EQ(f.boxes.size(), 1);
    EXPECT_TRUE(f.boxes[0].startsWith("Could not log in to aMule: aMule refused the password"))
        << f.boxes[0].toStdString();
    EXPECT_FALSE(kv::FileExists(Stored()));
    EXPECT_EQ(usable(), std::tuple(false, false, false));

    f.boxes.clear();
    Options([&](FrmOptions& d) {
        QTest::mouseClick(d.cbLocalAmule(), Qt::LeftButton);
        EXPECT_EQ(d.tbAmuleHost()->text(), "127.0.0.1");
        EXPECT_EQ(d.tbAmulePort()->text(), port);
    });
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(";").toStdString();
    const std::string stored = f.home.Read("amule-connection.ini");
    EXPECT_NE(stored.find(std::string("PasswordMd5=") + AmuleDaemon::kPasswordMd5), std::string::npos) << stored;
    EXPECT_TRUE(f.w->stStatus()->text().startsWith("Connected to aMule 2.3.3"))
        << f.w->stStatus()->text().toStdString();
    EXPECT_EQ(usable(), std::tuple(true, true, true));
}

TEST_F(AmuleWindow, CheckAmuleListsItsDownloadsAndTheRowMenuPausesResumesAndCancelsAfterAsking) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    f.Open();
    Options([&](FrmOptions& d) {
        d.tbAmuleHost()->setText("127.0.0.1");
        d.tbAmulePort()->setText(QString::number(daemon->Port()));
        d.tbAmulePassword()->setText(AmuleDaemon::kPassword);
    });
    ASSERT_TRUE(kv::FileExists(Stored())) << f.boxes.join(";").toStdString();

    QTest::mouseClick(f.w->cbCheckAmule(), Qt::LeftButton);
    EXPECT_FALSE(f.w->Action("FileCheckAmule")->isEnabled()) << "one piece of work at a time";
    ASSERT_TRUE(f.Idle());
    EXPECT_TRUE(f.w->cbCheckAmule()->isEnabled());
    ASSERT_EQ(f.Rows().size(), 2) << f.Rows().join('\n').toStdString();
    const int film = f.RowNamed("Film One.avi"), song = f.RowNamed("Song.mp3");
    ASSERT_GE(film, 0);
    ASSERT_GE(song, 0);
    EXPECT_TRUE(f.Rows()[film].endsWith("*** OK ")) << f.Rows()[film].toStdString();
    EXPECT_TRUE(f.w->stStatus()->text().startsWith("Finished! Found 0 Fakes")) << f.w->stStatus()->text().toStdString();

    f.MenuItem(film, "RechteMaustasteAmulePause");
    EXPECT_EQ(f.w->stStatus()->text(), "Paused in aMule: Film One.avi");
    EXPECT_NE(Shown(kFilmHash).find("Paused"), std::string::npos) << Shown(kFilmHash);
    EXPECT_NE(Shown(kSongHash).find("Waiting"), std::string::npos) << "only the selected row";
    f.MenuItem(film, "RechteMaustasteAmuleResume");
    EXPECT_EQ(f.w->stStatus()->text(), "Resumed in aMule: Film One.avi");
    EXPECT_NE(Shown(kFilmHash).find("Waiting"), std::string::npos) << Shown(kFilmHash);

    // Cancel asks first, naming the file; No keeps the download.
    QString asked;
    f.onDialog = [&](QDialog& d) {
        asked = static_cast<QMessageBox&>(d).text();
        static_cast<QMessageBox&>(d).button(QMessageBox::No)->click();
    };
    f.MenuItem(song, "RechteMaustasteAmuleCancel");
    EXPECT_EQ(asked, "Cancel Song.mp3 in aMule and delete what has arrived?");
    EXPECT_NE(Shown(kSongHash), "(not shown)");
    f.onDialog = [](QDialog& d) { static_cast<QMessageBox&>(d).button(QMessageBox::Yes)->click(); };
    f.MenuItem(song, "RechteMaustasteAmuleCancel");
    EXPECT_EQ(f.w->stStatus()->text(), "Cancelled in aMule: Song.mp3");
    EXPECT_EQ(Shown(kSongHash), "(not shown)");
    EXPECT_NE(Shown(kFilmHash), "(not shown)");
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(";").toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
