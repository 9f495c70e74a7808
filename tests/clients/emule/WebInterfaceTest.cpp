// eMule's Web Interface client against a loopback server that serves pages
// filled in from eMule's own template, and eMule's preferences.ini.
#include <gtest/gtest.h>

#include "FakeEmule.h"
#include "TempDir.h"
#include "clients/emule/EmulePreferences.h"
#include "clients/emule/WebInterface.h"
#include "common/StringUtil.h"

namespace kv::emule {
namespace {

constexpr const char* kHashA = "0123456789ABCDEF0123456789ABCDEF";
constexpr const char* kHashB = "FEDCBA9876543210FEDCBA9876543210";

// The fetch of the tests: a plain HTTP client, no decompression (eMule's gzip is the client's to undo).
Fetch LoopbackFetch() {
    return [](const std::string& url) -> std::expected<WebAnswer, FetchError> {
        const size_t path = url.find('/', 7);
        httplib::Client client(url.substr(0, path));
        client.set_decompress(false);
        const auto answer = client.Get(url.substr(path));
        if (!answer) return std::unexpected(FetchError{FetchErrorKind::NotReached, httplib::to_string(answer.error())});
        return WebAnswer{answer->status, answer->body};
    };
}

WebSettings At(const test::FakeEmule& emule, std::string password) {
    return {"127.0.0.1", emule.Port(), false, std::move(password)};
}

std::vector<std::string> Summary(const std::vector<WebDownload>& downloads) {
    std::vector<std::string> rows;
    for (const WebDownload& d : downloads)
        rows.push_back(ToUpperAscii(d.hash.ToHex()) + " " + std::to_string(d.size) + " " + d.state + " " + d.name);
    return rows;
}

TEST(EmuleWebInterface, LogsInAndReadsTheGzippedTransferList) {
    test::FakeEmule emule("s\xC3\xA9" "cret & pw");
    emule.gzip = true;
    emule.files = {{kHashA, "Big Buck Bunny 1080p.mkv", 5000000000, "downloading"},
                   {kHashB, "Don't play.avi", 734003200, "paused"}};
    auto client = WebClient::LogIn(At(emule, "s\xC3\xA9" "cret & pw"), LoopbackFetch());
    ASSERT_TRUE(client) << Describe(client.error());
    EXPECT_EQ(client->Session(), "10740");
    EXPECT_EQ(emule.Queries().front(), "/?w=password&p=s%C3%A9cret%20%26%20pw");
    const auto list = client->Transfers();
    ASSERT_TRUE(list) << Describe(list.error());
    EXPECT_EQ(Summary(*list), (std::vector<std::string>{
                                  std::string(kHashA) + " 5000000000 downloading Big Buck Bunny 1080p.mkv",
                                  std::string(kHashB) + " 734003200 paused Don't play.avi"}));
    EXPECT_EQ(emule.Queries().back(), "/?ses=10740&w=transfer&cat=0");
}

TEST(EmuleWebInterface, ActsByHashWithTheWebInterfacesQuery) {
    const struct {
        WebAction action;
        const char* op;
        const char* stateBefore;
    } cases[] = {{WebAction::Pause, "pause", "downloading"},
                 {WebAction::Resume, "resume", "paused"},
                 {WebAction::Stop, "stop", "waiting"},
                 {WebAction::Cancel, "cancel", "paused"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.op);
        test::FakeEmule emule("pw");
        emule.files = {{kHashA, "a.avi", 10, c.stateBefore}, {kHashB, "b.avi", 20, "downloading"}};
        auto client = WebClient::LogIn(At(emule, "pw"), LoopbackFetch());
        ASSERT_TRUE(client);
        const auto hash = *Ed2kHash::FromHex(kHashA);
        const auto done = client->Act(c.action, hash);
        EXPECT_TRUE(done) << Describe(done.error());
        EXPECT_EQ(emule.Queries().back(), std::string("/?ses=10740&w=transfer&cat=0&op=") + c.op + "&file=" + kHashA);
    }
}

TEST(EmuleWebInterface, SaysWhatWentWrong) {
    test::FakeEmule emule("right");
    emule.files = {{kHashA, "a.avi", 10, "downloading"}};
    // A wrong password shows the login page again; the fifth locks the address out.
    for (int attempt = 1; attempt <= 4; ++attempt) {
        const auto refused = WebClient::LogIn(At(emule, "wrong"), LoopbackFetch());
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error().kind, WebErrorKind::WrongPassword);
    }
    const auto locked = WebClient::LogIn(At(emule, "wrong"), LoopbackFetch());
    ASSERT_FALSE(locked);
    EXPECT_EQ(locked.error().kind, WebErrorKind::LockedOut);
    EXPECT_NE(Describe(locked.error()).find("15 minutes"), std::string::npos);
    EXPECT_EQ(WebClient::LogIn(At(emule, "right"), LoopbackFetch()).error().kind, WebErrorKind::LockedOut);

    // Nothing listening there.
    const uint16_t closed = [] {
        test::FakeEmule gone("x");
        return gone.Port();
    }();
    const auto unreached = WebClient::LogIn({"127.0.0.1", closed, false, "x"}, LoopbackFetch());
    ASSERT_FALSE(unreached);
    EXPECT_EQ(unreached.error().kind, WebErrorKind::NotReached);
}

TEST(EmuleWebInterface, LogsInAgainOnceWhenEmuleEndedTheSession) {
    test::FakeEmule emule("pw");
    emule.files = {{kHashA, "a.avi", 10, "downloading"}};
    auto client = WebClient::LogIn(At(emule, "pw"), LoopbackFetch());
    ASSERT_TRUE(client);
    emule.ExpireSessions();
    const auto paused = client->Act(WebAction::Pause, *Ed2kHash::FromHex(kHashA));
    EXPECT_TRUE(paused) << Describe(paused.error());
    EXPECT_EQ(emule.Logins(), 2);
    EXPECT_EQ(client->Session(), "10741");
    EXPECT_EQ(emule.files.front().state, "paused");
    // A download that is not there: NotFound, not a silent success.
    const auto missing = client->Act(WebAction::Pause, *Ed2kHash::FromHex(kHashB));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, WebErrorKind::NotFound);
}

TEST(EmuleWebInterface, AddsALinkAndSeesItListed) {
    test::FakeEmule emule("pw");
    auto client = WebClient::LogIn(At(emule, "pw"), LoopbackFetch());
    ASSERT_TRUE(client);
    const std::string link = std::string("ed2k://|file|New file.avi|1234|") + kHashB + "|/";
    EXPECT_TRUE(client->AddLink(link));
    EXPECT_EQ(emule.Queries().back(), std::string("/?ses=10740&w=transfer&cat=0&ed2k=ed2k%3A%2F%2F%7Cfile%7CNew%20"
                                                  "file.avi%7C1234%7C") + kHashB + "%7C%2F");
    ASSERT_EQ(emule.files.size(), 1u);
}

TEST(EmuleWebInterface, ReadsHostileNamesAsTheirBytes) {
    test::FakeEmule emule("pw");
    // Markup, quotes and ampersands, a right-to-left override, a control byte:
    // eMule's link drops what Windows forbids and control bytes, and keeps the rest.
    emule.files = {{kHashA, "<b>x</b> & 'y' \"z\".avi", 1, "downloading"},
                   {kHashB, "\xE2\x80\xAEgpj.exe \x07" "100%.avi", 2, "waiting"}};
    auto client = WebClient::LogIn(At(emule, "pw"), LoopbackFetch());
    ASSERT_TRUE(client);
    const auto list = client->Transfers();
    ASSERT_TRUE(list);
    EXPECT_EQ(Summary(*list), (std::vector<std::string>{
                                  std::string(kHashA) + " 1 downloading bxb & 'y' z.avi",
                                  std::string(kHashB) + " 2 waiting \xE2\x80\xAEgpj.exe 100%.avi"}));
}

TEST(EmuleWebInterface, ReadsPagesDefensively) {
    // A template changed by the user: a bare link, the state in the row's class.
    const std::string custom = std::string("<tr class=\"down-line-stopped\"><td><a href=\"") +
                               "ed2k://|file|plain.iso|99|" + kHashA + "|/\">plain</a></td></tr>" +
                               // a link cut off, and one with a bad hash: no rows
                               "<a href=\"ed2k://|file|half.iso|12|0123\"> ed2k://|file|bad|1|XYZ|/ </html>";
    EXPECT_EQ(Summary(ReadTransfers(custom)),
              (std::vector<std::string>{std::string(kHashA) + " 99 stopped plain.iso"}));
    EXPECT_TRUE(IsWholePage(custom));
    EXPECT_FALSE(IsWholePage(custom.substr(0, custom.size() - 3)));
    EXPECT_EQ(SessionOf("<a href=\"?ses=-2147&amp;w=logout\">"), "-2147");
    EXPECT_EQ(SessionOf("<a href=\"/houses=12\">"), std::nullopt);

    // A transfer page cut short is an error, never a shorter list.
    test::FakeEmule emule("pw");
    emule.files = {{kHashA, "a.avi", 10, "downloading"}, {kHashB, "b.avi", 20, "downloading"}};
    emule.cutShort = true;
    auto client = WebClient::LogIn(At(emule, "pw"), LoopbackFetch());
    ASSERT_TRUE(client);
    const auto list = client->Transfers();
    ASSERT_FALSE(list);
    EXPECT_EQ(list.error().kind, WebErrorKind::BadAnswer);
}

TEST(EmulePreferences, ReadsTempDirsIncomingAndTheWebInterface) {
    test::ScopedTempDir dir;
    const std::string ini =
        "[eMule]\r\nAppVersion=0.72a\r\nIncomingDir=C:\\Users\\J\xC3\xBCrgen\\Downloads\\eMule\\Incoming\r\n"
        "TempDir=C:\\Temp\r\nTempDirs=D:\\Temp2| E:\\T\xC3\xA9l\xC3\xA9" "chargements\\tmp |d:\\temp2||C:\\TEMP\r\n"
        "[WebServer]\r\nPassword=5F4DCC3B5AA765D61D8327DEB882CF99\r\nPort=4712\r\nEnabled=1\r\nUseHTTPS=0\r\n";
    // eMule writes its ini files as UTF-16 with a byte-order mark.
    std::string utf16 = "\xFF\xFE";
    for (size_t i = 0; i < ini.size(); ++i) {
        uint32_t cp = static_cast<unsigned char>(ini[i]);
        if (cp >= 0xC0) cp = ((cp & 0x1F) << 6) | (static_cast<unsigned char>(ini[++i]) & 0x3F);
        utf16 += static_cast<char>(cp & 0xFF);
        utf16 += static_cast<char>(cp >> 8);
    }
    for (const std::string& bytes : {ini, utf16}) {
        const auto prefs = ReadPreferences(dir.Write("config/preferences.ini", bytes));
        ASSERT_TRUE(prefs);
        EXPECT_EQ(prefs->tempDirs, (std::vector<std::string>{"C:\\Temp", "D:\\Temp2",
                                                             "E:\\T\xC3\xA9l\xC3\xA9" "chargements\\tmp"}));
        EXPECT_EQ(prefs->incomingDir, "C:\\Users\\J\xC3\xBCrgen\\Downloads\\eMule\\Incoming");
        EXPECT_EQ(prefs->webPort, 4712);
        EXPECT_TRUE(prefs->webEnabled);
        EXPECT_FALSE(prefs->webHttps);
        EXPECT_TRUE(prefs->webHasPassword);
    }
    // The defaults of a file that sets none of it; no file, or no [eMule]: nothing.
    const auto bare = ReadPreferences(dir.Write("bare.ini", "[eMule]\nNick=x\nTempDir=C:\\T\n"));
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->webPort, kDefaultWebPort);
    EXPECT_FALSE(bare->webEnabled);
    EXPECT_FALSE(ReadPreferences(dir.Write("other.ini", "[General]\nTempDir=x\n")));
    EXPECT_FALSE(ReadPreferences(dir.File("missing.ini")));
    EXPECT_EQ(PreferencesLocations("C:\\Users\\J\\AppData\\Local", "C:\\Program Files\\eMule"),
              (std::vector<std::string>{"C:\\Users\\J\\AppData\\Local\\eMule\\config\\preferences.ini",
                                        "C:\\Program Files\\eMule\\config\\preferences.ini"}));
}

}  // namespace
}  // namespace kv::emule
