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
        {{"::1", "4000", "x", ""}, "::1", 4000, x, ""},  // brackets added
        {{"127.0.0.1", "4712", "", md5}, "127.0.0.1", 4712, md5, ""},  // the local amule.conf's MD5
        {{"127.0.0.1", "4712", "x", md5}, "127.0.0.1", 4712, x, ""},  // typed wins
        {{"127.0.0.1", "4712", "", ""}, "", 0, "", "Enter the password of aMule's External Connections."},
        {{"127.0.0.1", "4712", "", "not-a-hash"}, "", 0, "", "Enter the password of aMule's External Connections."},
        {{"", "4712", "x", ""}, "", 0, "", "Not a host and port for aMule: :4712"},
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
    EXPECT_FALSE(presenter.ActInAmule(ec::Action::Cancel));  // nothing asked first
    EXPECT_FALSE(presenter.CheckAmuleDownloads());
    EXPECT_EQ(view.LogWith("status:No aMule connection stored: enter it in Extras > Options.").size(), 2u);
    EXPECT_TRUE(view.LogWith("box:").empty() && view.LogWith("ask:").empty());
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
