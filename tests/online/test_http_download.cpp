#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/AppState.h"
#include "common/FileUtil.h"
#include "online/HttpDownload.h"

namespace kv {
namespace {

using test::RawServer;
using test::RecordingView;
using test::ScopedTempDir;
using test::StaticServer;

const std::string kNotAvailable = "The choosen URL is temporary not available. Please try later!";

std::string Bytes(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 26);
    return s;
}

std::vector<std::string> Figures(const RecordingView& view) {
    std::vector<std::string> out;
    for (const auto& s : view.statusHistory)
        if (s.rfind("Reading: ", 0) == 0) out.push_back(s);
    return out;
}

bool AnyFinished(const RecordingView& view) {
    return std::any_of(view.statusHistory.begin(), view.statusHistory.end(),
                       [](const std::string& s) { return s.rfind("Download finished!", 0) == 0; });
}

class HttpDownloadTest : public ::testing::Test {
protected:
    StaticServer server;
    ScopedTempDir dir;
    AppState state;
    RecordingView view;

    std::string Url(const std::string& path) const { return server.BaseUrl() + path; }
    void Fetch(const std::string& path, const std::string& target, bool quiet = false) {
        DownloadUrlToFile(state, view, Url(path), target, quiet);
    }
};

TEST_F(HttpDownloadTest, EmptyResourceIsAcceptedWithoutFigure) {
    server.Serve("/empty", "");
    const std::string target = dir.File("empty.txt");
    Fetch("/empty", target);

    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_TRUE(FileExists(target));
    EXPECT_EQ(FileLength(target), 0);
    EXPECT_EQ(view.statusHistory,
              (std::vector<std::string>{"Opening URL...", "Download finished! New " + target + " written..."}));
    EXPECT_EQ(view.statusColour, "0");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_GE(view.paintEventPumps, 1);

    // What the server saw: our agent and no cached copy wanted.
    EXPECT_EQ(server.LastHeader("User-Agent"), "Kestrivane");
    EXPECT_EQ(server.LastHeader("Cache-Control"), "no-cache");
    EXPECT_EQ(server.LastHeader("Pragma"), "no-cache");
}

TEST_F(HttpDownloadTest, FigureEveryTenthReadOfTwoKilobytes) {
    const std::string target = dir.File("t");

    // Exactly ten full reads: one figure after the 10th, none for the empty 11th.
    server.Serve("/ten", Bytes(10 * 2048));
    Fetch("/ten", target);
    EXPECT_EQ(view.statusHistory,
              (std::vector<std::string>{"Opening URL...", "Reading: 20480 Bytes. Please wait...",
                                        "Download finished! New " + target + " written..."}));
    EXPECT_EQ(dir.Read("t"), Bytes(10 * 2048));

    // Twenty full reads and a short 21st: 40960 after the 20th, the short one not sampled.
    view = RecordingView();
    server.Serve("/twenty", Bytes(20 * 2048 + 100));
    Fetch("/twenty", target);
    EXPECT_EQ(Figures(view), (std::vector<std::string>{"Reading: 20480 Bytes. Please wait...",
                                                       "Reading: 40960 Bytes. Please wait..."}));
    EXPECT_EQ(FileLength(target), 20 * 2048 + 100);

    // A short 10th read is sampled with its own size.
    view = RecordingView();
    server.Serve("/short", Bytes(9 * 2048 + 100));
    Fetch("/short", target);
    EXPECT_EQ(Figures(view), (std::vector<std::string>{"Reading: 1000 Bytes. Please wait..."}));

    // Nine full reads: the 10th is the empty last one and is sampled as 0.
    view = RecordingView();
    server.Serve("/nine", Bytes(9 * 2048));
    Fetch("/nine", target);
    EXPECT_EQ(Figures(view), (std::vector<std::string>{"Reading: 0 Bytes. Please wait..."}));
    EXPECT_TRUE(state.gfDownloadOK);
}

TEST_F(HttpDownloadTest, SamplingGoesOnPastTheCounterWrap) {
    // 215 full reads: figures at reads 10, 20, ..., 210 (200 is where the counter wraps).
    server.Serve("/long", Bytes(215 * 2048));
    const std::string target = dir.File("long");
    Fetch("/long", target);
    const auto figures = Figures(view);
    ASSERT_EQ(figures.size(), 21u);
    EXPECT_EQ(figures[9], "Reading: 204800 Bytes. Please wait...");    // read 100
    EXPECT_EQ(figures[19], "Reading: 409600 Bytes. Please wait...");   // read 200
    EXPECT_EQ(figures[20], "Reading: 430080 Bytes. Please wait...");   // read 210
    EXPECT_EQ(FileLength(target), 215 * 2048);
}

TEST_F(HttpDownloadTest, QuietHidesProgressButNotFailures) {
    server.Serve("/a", Bytes(30 * 2048));
    const std::string target = dir.File("a");
    Fetch("/a", target, true);
    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_TRUE(view.statusHistory.empty());
    EXPECT_EQ(FileLength(target), 30 * 2048);

    server.Serve("/gone", "<h1>OBJECT NOT FOUND</h1>");
    Fetch("/gone", target, true);
    EXPECT_FALSE(state.gfDownloadOK);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.statusHistory, (std::vector<std::string>{"File actually not available: " + Url("/gone")}));

    // Nothing listening: the address cannot be opened, quiet or not.
    const std::string refused = "http://127.0.0.1:" + std::to_string(test::UnusedLoopbackPort()) + "/x";
    DownloadUrlToFile(state, view, refused, target, true);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_EQ(view.status, "Could not open file " + refused + ".");
    EXPECT_EQ(FileLength(target), 30 * 2048);
}

TEST_F(HttpDownloadTest, NotFoundPagesInAnyCaseAreRejected) {
    const std::string target = dir.Write("keep.dat", "the earlier file\r\n");
    for (const std::string body : {"<html>The Page cannot be found</html>", "THE PAGE CANNOT BE FOUND",
                                   "error: object not found", "Object Not Found"}) {
        view = RecordingView();
        state.gfDownloadOK = true;
        server.Serve("/p", body);
        Fetch("/p", target);
        EXPECT_FALSE(state.gfDownloadOK) << body;
        ASSERT_EQ(view.boxes.size(), 1u) << body;
        EXPECT_EQ(view.boxes[0].text, kNotAvailable);
        EXPECT_EQ(view.boxes[0].style, kMbCritical);
        EXPECT_EQ(view.boxes[0].title, "Online-Check/Download not available!");
        // The box comes first, the status after it is closed.
        EXPECT_EQ(view.log.back(), "status:File actually not available: " + Url("/p"));
        EXPECT_FALSE(AnyFinished(view));
        EXPECT_EQ(dir.Read("keep.dat"), "the earlier file\r\n") << body;
    }
}

TEST_F(HttpDownloadTest, ProxyPageWinsAndStaysKnown) {
    const std::string target = dir.Write("keep.dat", "old");
    const std::string page = "<b>PROXY AUTHENTICATION required</b> Object Not Found";
    server.Serve("/p", page);
    Fetch("/p", target, true);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_TRUE(state.gfProxyAuth);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, page);
    EXPECT_EQ(view.boxes[0].style, kMbCritical);
    EXPECT_EQ(view.boxes[0].title, "Online-Check/Download not available!");
    EXPECT_TRUE(view.statusHistory.empty());
    EXPECT_EQ(dir.Read("keep.dat"), "old");

    // A later success does not forget the proxy.
    server.Serve("/ok", "fine");
    Fetch("/ok", target);
    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_TRUE(state.gfProxyAuth);
    EXPECT_EQ(dir.Read("keep.dat"), "fine");
}

TEST_F(HttpDownloadTest, LongProxyPageIsCut) {
    const std::string page = "Proxy Authentication Required " + Bytes(5000);
    server.Serve("/p", page);
    Fetch("/p", dir.File("x"));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, page.substr(0, 2000));
    EXPECT_FALSE(FileExists(dir.File("x")));
}

TEST_F(HttpDownloadTest, ErrorStatusesAreNeverAccepted) {
    const std::string target = dir.Write("FAKES.DAT", "hash,1,desc\r\n");

    server.Serve("/missing", "", 404);
    server.Serve("/broken", "Internal error, sorry", 500);
    for (const std::string path : {"/missing", "/broken", "/nowhere"}) {
        view = RecordingView();
        Fetch(path, target);
        EXPECT_FALSE(state.gfDownloadOK) << path;
        ASSERT_EQ(view.boxes.size(), 1u) << path;
        EXPECT_EQ(view.boxes[0].text, kNotAvailable);
        EXPECT_EQ(view.status, "File actually not available: " + Url(path));
        EXPECT_FALSE(AnyFinished(view));
    }
    EXPECT_FALSE(state.gfProxyAuth);

    // 407: the proxy notice, with the page or a text of its own when there is none.
    view = RecordingView();
    server.Serve("/proxy", "", 407);
    Fetch("/proxy", target);
    EXPECT_TRUE(state.gfProxyAuth);
    EXPECT_FALSE(state.gfDownloadOK);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Proxy Authentication Required");
    EXPECT_EQ(view.boxes[0].title, "Online-Check/Download not available!");

    view = RecordingView();
    server.Serve("/proxy", "<p>Log in first</p>", 407);
    Fetch("/proxy", target);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "<p>Log in first</p>");
    EXPECT_FALSE(AnyFinished(view));

    EXPECT_EQ(dir.Read("FAKES.DAT"), "hash,1,desc\r\n");
}

TEST_F(HttpDownloadTest, ShorterDownloadReplacesLongerFileWhole) {
    const std::string target = dir.Write("f", Bytes(10000));
    server.Serve("/s", "abc");
    Fetch("/s", target);
    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_EQ(dir.Read("f"), "abc");
}

TEST_F(HttpDownloadTest, RedirectIsFollowed) {
    server.Serve("/new", "moved content");
    server.Redirect("/old", Url("/new"));
    Fetch("/old", dir.File("r"));
    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_EQ(dir.Read("r"), "moved content");
}

TEST_F(HttpDownloadTest, UnwritableTargetIsReported) {
    server.Serve("/ok", "data");
    const std::string target = dir.File("no-such-dir/file.dat");
    state.gfDownloadOK = true;
    Fetch("/ok", target);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_EQ(view.status, "Could not write file " + target + ".");
    EXPECT_FALSE(AnyFinished(view));
    EXPECT_FALSE(FileExists(target));
}

TEST_F(HttpDownloadTest, OnlyWebAddressesAreFetched) {
    const std::string secret = dir.Write("secret", "private");
    const std::string address = "file://" + secret;
    DownloadUrlToFile(state, view, address, dir.File("copy"), false);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_EQ(view.status, "Could not open file " + address + ".");
    EXPECT_FALSE(FileExists(dir.File("copy")));
}

// Transfers that break off must not be stored as if complete.
class BrokenTransferTest : public ::testing::Test {
protected:
    ScopedTempDir dir;
    AppState state;
    RecordingView view;

    void ExpectInterrupted(const std::string& address) {
        EXPECT_FALSE(state.gfDownloadOK);
        EXPECT_EQ(view.status, "Download of " + address + " was interrupted.");
        EXPECT_FALSE(AnyFinished(view));
        EXPECT_TRUE(view.boxes.empty());
        EXPECT_EQ(dir.Read("FAKES.DAT"), "old list\r\n");
    }
};

TEST_F(BrokenTransferTest, ServerClosesMidBody) {
    const std::string target = dir.Write("FAKES.DAT", "old list\r\n");
    RawServer raw("HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n" + Bytes(5000), false);
    const std::string address = raw.BaseUrl() + "/FAKES.DAT";
    state.gfDownloadOK = true;
    DownloadUrlToFile(state, view, address, target, true);
    ExpectInterrupted(address);
}

TEST_F(BrokenTransferTest, StalledServerIsAbandoned) {
    const std::string target = dir.Write("FAKES.DAT", "old list\r\n");
    state.downloadLimits.lowSpeedTimeSeconds = 1;
    RawServer raw("HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n" + Bytes(1), true);
    const std::string address = raw.BaseUrl() + "/FAKES.DAT";
    DownloadUrlToFile(state, view, address, target, false);
    ExpectInterrupted(address);
    EXPECT_GE(view.paintEventPumps, 1);
}

TEST_F(BrokenTransferTest, ServerSilentAfterConnectIsAbandoned) {
    const std::string target = dir.Write("FAKES.DAT", "old list\r\n");
    state.downloadLimits.lowSpeedTimeSeconds = 1;
    RawServer raw("", true);
    const std::string address = raw.BaseUrl() + "/FAKES.DAT";
    DownloadUrlToFile(state, view, address, target, false);
    ExpectInterrupted(address);
}

TEST_F(BrokenTransferTest, OversizedBodyIsAbandoned) {
    const std::string target = dir.Write("FAKES.DAT", "old list\r\n");
    state.downloadLimits.maxBytes = 4096;

    // Announced too long.
    {
        StaticServer server;
        server.Serve("/big", Bytes(5000));
        DownloadUrlToFile(state, view, server.BaseUrl() + "/big", target, false);
        ExpectInterrupted(server.BaseUrl() + "/big");
    }
    // Not announced, grows too long.
    {
        view = RecordingView();
        RawServer raw("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + Bytes(9000), false);
        DownloadUrlToFile(state, view, raw.BaseUrl() + "/big", target, false);
        ExpectInterrupted(raw.BaseUrl() + "/big");
    }
    // A body without a length that ends by closing, within the limit, is whole.
    {
        view = RecordingView();
        RawServer raw("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + Bytes(3000), false);
        DownloadUrlToFile(state, view, raw.BaseUrl() + "/small", target, false);
        EXPECT_TRUE(state.gfDownloadOK);
        EXPECT_EQ(dir.Read("FAKES.DAT"), Bytes(3000));
    }
}

}  // namespace
}  // namespace kv
