// The window's aMule and own-list logic without Qt: what a login turns into,
// and what the commands do before anything reaches aMule.
#include <gtest/gtest.h>

#include "AmuleDaemon.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "app/presenter/AmuleLink.h"
#include "app/presenter/MainPresenter.h"
#include "common/FileUtil.h"
#include "usecases/AmuleCheck.h"

namespace kv {
namespace {

TEST(AmuleLogin, HostPortAndPasswordBecomeTheSettingsOrSayWhatIsWrong) {
    const std::string md5 = test::AmuleDaemon::kPasswordMd5, x = "9dd4e461268c8034f5c8564e155c67a6";
    struct Case { AmuleLogin login; std::string host; uint16_t port; std::string md5, wrong; };
    const Case cases[] = {
        {{"127.0.0.1", "4712", test::AmuleDaemon::kPassword, ""}, "127.0.0.1", 4712, md5, ""},
        {{"nas.local", "", "x", ""}, "nas.local", ec::kDefaultPort, x, ""},
        {{"::1", "4000", "x", ""}, "::1", 4000, x, ""},  // brackets added
        {{"127.0.0.1", "4712", "", md5}, "127.0.0.1", 4712, md5, ""},  // the local amule.conf's MD5
        {{"127.0.0.1", "4712", "x", md5}, "127.0.0.1", 4712, x, ""},  // typed wins
        {{"127.0.0.1", "4712", "", ""}, "", 0, "", "Enter the password of aMule's External Connections."},
        {{"127.0.0.1", "4712", "", "not-a-hash"}, "", 0, "", "Enter the password of aMule's External Connections."},
        {{"", "4712", "x", ""}, "", 0, "", "Not a host and port for aMule: :4712"},
        {{"127.0.0.1", "70000", "x", ""}, "", 0, "", "Not a host and port for aMule: 127.0.0.1:70000"},
    };
    for (const Case& c : cases) {
        std::string wrong;
        const auto s = LoginSettings(c.login, wrong);
        EXPECT_EQ(std::tuple(s ? s->host : "", s ? s->port : 0, s ? s->passwordMd5 : "", wrong),
                  std::tuple(c.host, c.port, c.md5, c.wrong))
            << c.login.host << ":" << c.login.port << " " << c.login.password;
    }
}

class WindowLogic : public testing::Test {
protected:
    test::ScopedTempDir dir;
    Session session = Session::At(dir.path());
    test::RecordingView view;
    MainPresenter presenter{session, view};

    void ShowRows(const std::vector<std::pair<std::string, char>>& rows) {
        view.StartList(ListKind::Check);
        for (const auto& [name, digit] : rows) {
            Finding f;
            f.download.name = name;
            f.download.size = 1000;
            f.download.hash = Ed2kHash::FromHex(std::string(32, digit));
            view.AddFinding(f);
        }
    }
};

TEST_F(WindowLogic, WithoutAStoredConnectionTheAmuleCommandsSaySoAndAskNothing) {
    ShowRows({{"Film.avi", 'a'}});
    view.selected = {0};
    EXPECT_FALSE(presenter.AmuleConnectionStored());
    for (const ec::Action action : {ec::Action::Pause, ec::Action::Resume, ec::Action::Cancel}) {
        view.statusHistory.clear();
        EXPECT_FALSE(presenter.ActInAmule(action));
        EXPECT_EQ(view.statusHistory,
                  std::vector<std::string>{"No aMule connection stored: enter it in Extras > Options."});
    }
    EXPECT_FALSE(presenter.CheckAmuleDownloads());
    EXPECT_EQ(view.statusHistory.back(), "No aMule connection stored: enter it in Extras > Options.");
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(WindowLogic, ACancelNotConfirmedNeverReachesAmule) {
    // Nothing listens on the stored port: reaching for it would show a box.
    ASSERT_TRUE(ec::StoreConnection(AmuleConnectionPath(session),
                                    {"127.0.0.1", test::FreeLoopbackPort(), test::AmuleDaemon::kPasswordMd5}));
    ShowRows({{"Film.avi", 'a'}});
    view.selected = {0};
    EXPECT_TRUE(presenter.AmuleConnectionStored());
    EXPECT_FALSE(presenter.ActInAmule(ec::Action::Cancel));  // the recording view answers No
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_FALSE(presenter.ActInAmule(ec::Action::Pause));  // a pause goes and is refused
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_TRUE(view.boxes[0].starts_with("aMule: aMule refused the connection")) << view.boxes[0];
}

TEST_F(WindowLogic, NotAFakeRecordsEverySelectedRowWithTheOneReason) {
    ShowRows({{"Holiday.avi", 'a'}, {"No hash", '-'}, {"Wedding.avi", 'b'}});
    view.selected = {2, 0, 1};
    view.answers = {"Filmed it myself"};
    ASSERT_TRUE(presenter.AllowSelected());
    EXPECT_EQ(view.statusHistory.back(), "Recorded as not a fake in MYFAKES.DAT: Holiday.avi, Wedding.avi");
    const std::string own = *ReadWholeFile(dir.File("MYFAKES.DAT"));
    EXPECT_EQ(own, std::string(32, 'A') + ",allowed,Filmed it myself\r\n" + std::string(32, 'B') +
                       ",allowed,Filmed it myself\r\n");

    view.answers = {std::nullopt};  // cancelled: nothing more written
    EXPECT_FALSE(presenter.AllowSelected());
    EXPECT_EQ(*ReadWholeFile(dir.File("MYFAKES.DAT")), own);
}

}  // namespace
}  // namespace kv
