// The window against a throwaway amuled on loopback: the connection stored
// from the options dialog, Check aMule, and the row menu's aMule commands,
// each read back with the daemon's own amulecmd.
#include <filesystem>
#include <memory>

#include "AmuleDaemon.h"
#include "OptionsDialog.h"
#include "GuiFixture.h"
#include "common/FileUtil.h"

namespace {

using kv::app::OptionsDialog;
using kv::test::AmuleDaemon;

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";
const char* const kSong = "ed2k://|file|Song.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/";
const char* const kSongHash = "FEDCBA9876543210FEDCBA9876543210";

class AmuleWindow : public testing::Test {
protected:
    FakeHome user;  // aMule's configuration in its .aMule
    std::unique_ptr<AmuleDaemon> daemon;
    GuiFixture f{"[Display]\r\nShowAllPartMet=YES\r\n"};

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(user.dir.File(".aMule"));
        daemon = std::make_unique<AmuleDaemon>(user.dir.File(".aMule"));
        ASSERT_TRUE(daemon->Running()) << daemon->Log();
    }

    std::string Stored() const { return f.home.File("amule-connection.ini"); }
    // The options dialog with the aMule group filled in by fill, then OK.
    void Options(const std::function<void(OptionsDialog&)>& fill) {
        f.With<OptionsDialog>([&] { f.w->Action("ExtrasOptions")->trigger(); }, [&](OptionsDialog& d) {
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

// A refused login shows a box and stores nothing; the local aMule's button fills in the rest, which is stored.
TEST_F(AmuleWindow, CheckAmuleListsItsDownloadsAndTheRowMenuPausesResumesAndCancelsAfterAsking) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    f.Open();
    const auto usable = [&] {
        return std::tuple(f.w->cbCheckAmule()->isVisible(), f.w->Action("FileCheckAmule")->isEnabled(),
                          f.w->Action("RowMenuAmulePause")->isEnabled());
    };
    const QString port = QString::number(daemon->Port());
    Options([&](OptionsDialog& d) {
        d.tbAmuleHost()->setText("127.0.0.1");
        d.tbAmulePort()->setText(port);
        d.tbAmulePassword()->setText("guess");
    });
    EXPECT_TRUE(f.boxes.size() == 1 && f.boxes[0].startsWith("Could not log in to aMule: aMule refused the password"))
        << f.boxes.join(";").toStdString();
    EXPECT_EQ(std::pair(kv::FileExists(Stored()), usable()), std::pair(false, std::tuple(false, false, false)));
    f.boxes.clear();
    Options([&](OptionsDialog& d) {
        QTest::mouseClick(d.cbLocalAmule(), Qt::LeftButton);
        EXPECT_EQ(d.tbAmuleHost()->text() + ":" + d.tbAmulePort()->text(), "127.0.0.1:" + port);
    });
    ASSERT_TRUE(kv::FileExists(Stored())) << f.boxes.join(";").toStdString();
    EXPECT_TRUE(f.w->stStatus()->text().startsWith("Connected to aMule 2.3.3"))
        << f.w->stStatus()->text().toStdString();
    EXPECT_EQ(usable(), std::tuple(true, true, true));

    QTest::mouseClick(f.w->cbCheckAmule(), Qt::LeftButton);
    EXPECT_FALSE(f.w->Action("FileCheckAmule")->isEnabled()) << "one piece of work at a time";
    ASSERT_TRUE(f.Idle());
    EXPECT_TRUE(f.w->cbCheckAmule()->isEnabled());
    ASSERT_EQ(f.Rows().size(), 2) << f.Rows().join('\n').toStdString();
    const int film = f.RowNamed("Film One.avi"), song = f.RowNamed("Song.mp3");
    ASSERT_TRUE(film >= 0 && song >= 0);
    // Its bytes are not readable here: never called OK, as on the command line.
    EXPECT_EQ(f.Column(2)[film], "*** Not inspected: the data is on the aMule machine");
    EXPECT_TRUE(f.w->stStatus()->text().startsWith("Finished! Found 0 Fakes")) << f.w->stStatus()->text().toStdString();
    // aMule's own state of each download in a column of its own, following the row menu's commands.
    EXPECT_TRUE(f.Head().endsWith("\tIn aMule")) << f.Head().toStdString();
    const auto states = [&] { return f.Column(3)[film] + "|" + f.Column(3)[song]; };
    EXPECT_EQ(states(), "Waiting|Waiting");

    f.MenuItem(film, "RowMenuAmulePause");
    EXPECT_EQ(f.w->stStatus()->text(), "Paused in aMule: Film One.avi");
    EXPECT_NE(Shown(kFilmHash).find("Paused"), std::string::npos) << Shown(kFilmHash);
    EXPECT_NE(Shown(kSongHash).find("Waiting"), std::string::npos) << "only the selected row";
    EXPECT_EQ(states(), "Paused|Waiting");
    f.MenuItem(film, "RowMenuAmuleResume");
    EXPECT_EQ(f.w->stStatus()->text(), "Resumed in aMule: Film One.avi");
    EXPECT_NE(Shown(kFilmHash).find("Waiting"), std::string::npos) << Shown(kFilmHash);
    EXPECT_EQ(states(), "Waiting|Waiting");

    // Cancel asks first, naming the file; No keeps the download.
    QString asked;
    f.onDialog = [&](QDialog& d) {
        asked = static_cast<QMessageBox&>(d).text();
        static_cast<QMessageBox&>(d).button(QMessageBox::No)->click();
    };
    f.MenuItem(song, "RowMenuAmuleCancel");
    EXPECT_EQ(asked, "Cancel Song.mp3 in aMule and delete what has arrived?");
    EXPECT_NE(Shown(kSongHash), "(not shown)");
    EXPECT_EQ(states(), "Waiting|Waiting");
    // Yes to the cancel, then "never again?": No cancels it only; Yes keeps its hash out for good.
    QStringList answers;
    const auto answer = [&](std::initializer_list<QMessageBox::StandardButton> buttons) {
        auto left = std::make_shared<std::vector<QMessageBox::StandardButton>>(buttons);
        f.onDialog = [&answers, left](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            answers << box.text();
            box.button(left->front())->click();
            left->erase(left->begin());
        };
    };
    answer({QMessageBox::Yes, QMessageBox::No});
    f.MenuItem(song, "RowMenuAmuleCancel");
    EXPECT_EQ(f.w->stStatus()->text(), "Cancelled in aMule: Song.mp3");
    EXPECT_TRUE(Shown(kSongHash) == "(not shown)" && Shown(kFilmHash) != "(not shown)");
    EXPECT_EQ(states(), "Waiting|Cancelled");
    const std::string own = f.home.File("MYFAKES.DAT");
    EXPECT_FALSE(kv::FileExists(own)) << "a cancel alone records nothing";

    answers.clear();
    answer({QMessageBox::Yes, QMessageBox::Yes});
    f.MenuItem(film, "RowMenuAmuleCancel");
    ASSERT_EQ(answers.size(), 2);
    EXPECT_TRUE(answers[1].startsWith("And never download Film One.avi again?")) << answers[1].toStdString();
    EXPECT_EQ(f.w->stStatus()->text(), "Cancelled in aMule and kept out for good: Film One.avi");
    EXPECT_EQ(Shown(kFilmHash), "(not shown)");
    const std::string record = kv::ReadWholeFile(own).value_or("");
    EXPECT_NE(record.find(kFilmHash), std::string::npos) << record;
    EXPECT_NE(record.find("Film One.avi"), std::string::npos) << record;
    EXPECT_EQ(record.find(kSongHash), std::string::npos) << record;
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(";").toStdString();
}

}  // namespace
