#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "Packing.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "online/ListArchive.h"
#include "app/presenter/MainPresenter.h"

namespace kv {
namespace {

using httplib::Request, httplib::Response;
using Strings = std::vector<std::string>;
using Server = test::StaticServer;

const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
const std::string kOldList = std::string(32, 'f') + ",1,Old entry\r\n";

using test::Deflate, test::Zip;

class ListUpdateTest : public ::testing::Test {
protected:
    Server server;
    test::ScopedTempDir dir;
    Session session;
    test::RecordingView view;
    MainPresenter presenter{session, view};
    const std::string update = "/update";
    void SetUp() override {
        session = Session::At(dir.path());
        session.addresses.defaultFakeList = server.BaseUrl() + update;
        server.Serve(update + "/Fakes.txt", "12");
        server.Serve(update + "/FAKES.DAT", kList);
    }
    std::string Ini(const std::string& recorded, const std::string& more = "") const {
        return "[Internet]\r\nFakesDatDownloadURL=" + server.BaseUrl() + update + "\r\nFakesDatVersion=" + recorded +
               "\r\n" + more;
    }
    bool UpdateList() { view = {}; return presenter.UpdateFakeList(); }
};

TEST_F(ListUpdateTest, ABodyThatIsNoListLeavesListAndVersionByteIdentical) {
    const std::string refused = "box:16:Fake list not used:The downloaded fake list ";
    struct Case { std::string body, cause; };
    for (const Case& c : std::vector<Case>{
             {"<!DOCTYPE html>\r\n<html><head><title>Welcome</title></head>\r\n<body>Log in to the hotspot</body>"
              "</html>\r\n", "holds no record"},
             {"", "is empty"},
             {std::string("MZ\x90\0\3\0\0\0\4\0", 10) + std::string(32, 'a'), "holds NUL bytes"},
             {"\xFF\xFE" + std::string("a\0a\0", 4), "is a UTF-16 text"},
             {"<html>\r\n<p>" + std::string(32, 'c') + " is listed</p>\r\n" + std::string(32, 'c') + ",1,x\r\n"
              "</html>\r\n<!-- -->\r\n", "is mostly not records"},
             {Deflate("<html>moved</html>", 31), "holds no record"}}) {
        dir.Write("Kestrivane.ini", Ini("9"));
        dir.Write("FAKES.DAT", kOldList);
        server.Serve(update + "/FAKES.DAT", c.body);
        EXPECT_FALSE(UpdateList()) << c.cause;
        EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kOldList + Ini("9")) << c.cause;
        ASSERT_EQ(view.LogWith("box").size(), 1u) << c.cause;
        EXPECT_EQ(view.LogWith("box")[0].rfind(refused + c.cause, 0), 0u) << view.LogWith("box")[0];
        EXPECT_EQ(view.status.rfind("The downloaded fake list " + c.cause, 0), 0u) << view.status;
        EXPECT_NE(view.caption.find("Total  1 Fakes in DB"), std::string::npos) << view.caption;  // the old list
    }
}

TEST_F(ListUpdateTest, CompressedListsAreStoredPlainAndABombIsRefused) {
    session.downloadLimits.maxBytes = 1024 * 1024;
    for (const std::string& body : {Deflate(kList, 31), Zip(kList)}) {
        dir.Write("Kestrivane.ini", Ini("9"));
        server.Serve(update + "/FAKES.DAT", body);
        EXPECT_TRUE(UpdateList());
        EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kList + Ini("12"));
    }
    dir.Write("Kestrivane.ini", Ini("9"));
    server.Serve(update + "/FAKES.DAT", Deflate(std::string(3 * 1024 * 1024, '\n'), 31));
    EXPECT_FALSE(UpdateList());
    EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kList + Ini("9"));
    EXPECT_EQ(view.status, "The compressed list unpacks to more than 1 MiB, the limit of a fake list; it was not used.");
}

TEST_F(ListUpdateTest, MarksSurviveAnUpdateAndComeFirst) {
    const std::string mine = std::string(32, 'A') + ",1,my own judgement\r\n";
    dir.Write("MYFAKES.DAT", mine);
    dir.Write("FAKES.DAT", kOldList);
    dir.Write("Kestrivane.ini", Ini("9"));
    EXPECT_TRUE(UpdateList());
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(dir.Read("MYFAKES.DAT"), mine);
    const auto m = session.fakes().find(*Ed2kHash::FromHex(std::string(32, 'a')));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->description + "|" + m->listName, "[mine] my own judgement|MYFAKES.DAT");
    EXPECT_NE(view.caption.find("Total  3 Fakes in DB"), std::string::npos) << view.caption;
}

TEST_F(ListUpdateTest, LastModifiedIsSentBackAndA304RewritesNothing) {
    const std::string stamp = "Wed, 21 Oct 2026 07:28:00 GMT";
    std::vector<std::string> asked;
    server.Handle(update + "/FAKES.DAT", [&](const Request& req, Response& res) {
        asked.push_back(req.get_header_value("If-Modified-Since"));
        if (req.get_header_value("If-Modified-Since") == stamp) {
            res.status = 304;
            return;
        }
        res.set_header("Last-Modified", stamp);
        res.set_content(kList, "text/plain");
    });
    dir.Write("Kestrivane.ini", Ini("9"));
    EXPECT_TRUE(UpdateList());
    const std::string stored = Ini("12", "FakesDatLastModified=" + stamp + "\r\n");
    EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kList + stored);

    server.Serve(update + "/Fakes.txt", "13");  // a newer number, but the list itself has not changed
    EXPECT_TRUE(UpdateList());
    EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kList + stored);
    EXPECT_EQ(view.status, "The fake list at " + server.BaseUrl() + update + "/FAKES.DAT has not changed since the "
                           "last download.");

    RemoveFile(dir.File("FAKES.DAT"));  // a stamp without its list is not sent
    EXPECT_TRUE(UpdateList());
    EXPECT_EQ(asked, (Strings{"", stamp, ""}));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
}

TEST_F(ListUpdateTest, EverySourceIsFetchedInTurnAndAFailingOneIsNamed) {
    const std::string two = std::string(32, 'b') + ",1,from two\r\n" + std::string(32, 'c') + ",1,from two\r\n";
    server.Serve("/three/Fakes.txt", "5");
    server.Serve("/three/FAKES.DAT", two);
    // Source 2 answers 404 for everything.
    dir.Write("Kestrivane.ini", Ini("9", "FakesDatDownloadURL2=" + server.BaseUrl() + "/two\r\nFakesDatDownloadURL3=" +
                                             server.BaseUrl() + "/three\r\n"));
    EXPECT_FALSE(UpdateList());
    EXPECT_EQ(view.status, "Not updated: fake list source 2 (the other sources were updated or are current).");
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(dir.Read("FAKES3.DAT"), two);
    EXPECT_EQ(dir.Read("FAKES2.DAT"), "");
    EXPECT_NE(dir.Read("Kestrivane.ini").find("FakesDatVersion3=5\r\n"), std::string::npos);
    // FAKES.DAT wins the hash both name; the third source adds its own.
    EXPECT_EQ(session.fakes().find(*Ed2kHash::FromHex(std::string(32, 'b')))->description, "Virus");
    EXPECT_EQ(session.fakes().find(*Ed2kHash::FromHex(std::string(32, 'c')))->listName, "FAKES3.DAT");
}

TEST_F(ListUpdateTest, AVersionLineOverFiftyCharactersIsRefused) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    server.Serve(update + "/Fakes.txt", "12" + std::string(49, '0'));
    EXPECT_FALSE(UpdateList());
    EXPECT_EQ(dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"), kOldList + Ini("9"));
    EXPECT_EQ(view.status, "The version line of " + server.BaseUrl() + update +
                               "/Fakes.txt is longer than 50 characters; the list was not updated.");
    server.Serve(update + "/Fakes.txt", "12" + std::string(48, '0'));  // 50 exactly: stored whole
    EXPECT_TRUE(UpdateList());
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12" + std::string(48, '0')));
}

}  // namespace
}  // namespace kv
