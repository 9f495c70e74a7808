// The page in a real browser against the real server and a real amuled on
// loopback: a fake planted in aMule appears in the open page by the server's
// event, its row's Pause pauses it in aMule, a hostile name stays text, and
// the page speaks the browser's language. KV_PAGE_SCREENSHOTS=DIR also writes
// the page's pictures (light, dark, German) there.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "AmuleDaemon.h"
#include "Chromium.h"
#include "Spawn.h"
#include "common/StringUtil.h"

namespace kv::test {
namespace {

const std::string kFakeHash = "0123456789abcdef0123456789abcdef";
const std::string kHostileHash = "fedcba9876543210fedcba9876543210";
const std::string kSongHash = "00112233445566778899aabbccddeeff";
// Markup, a script and a right-to-left override: each must reach the page as text.
const std::string kHostileName = "<img src=x onerror=window.owned=1><svg onload=window.owned=2>\u202Eiva.exe";

std::string Link(const std::string& name, const std::string& size, const std::string& hash) {
    std::string encoded;
    for (const unsigned char c : name) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        encoded += std::isalnum(c) || c == '.' ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return "ed2k://|file|" + encoded + "|" + size + "|" + ToUpperAscii(hash) + "|/";
}

// A JavaScript string literal of text.
std::string Js(const std::string& text) { return nlohmann::json(text).dump(); }

std::string Row(const std::string& hash) { return "document.querySelector('tr[data-hash=\"" + hash + "\"]')"; }

class PageInBrowser : public CliFixture {
protected:
    ScopedTempDir profile;  // outlives the browser that writes into it
    std::unique_ptr<AmuleDaemon> daemon;
    std::unique_ptr<Spawned> serve;
    std::unique_ptr<Chromium> browser;
    std::string address;

    void SetUp() override {
        if (!Chromium::Installed()) GTEST_SKIP() << "chromium is not installed (Debian: chromium)";
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        if (Run({"serve", "--help"}).code != 0) GTEST_SKIP() << "this kestrivane-cli has no serve command";
        std::filesystem::create_directories(user.File(".aMule"));
        daemon = std::make_unique<AmuleDaemon>(user.File(".aMule"));
        ASSERT_TRUE(daemon->Running()) << daemon->Log();
        const Ran connected = Run({"amule", "connect", "127.0.0.1:" + std::to_string(daemon->Port()),
                                   "--password-stdin"}, std::string(AmuleDaemon::kPassword) + "\n");
        ASSERT_EQ(connected.code, 0) << connected.err;
        home.Write("FAKES.DAT", ToUpperAscii(kFakeHash) + ",734003200,Trailer only\r\n" + ToUpperAscii(kHostileHash) +
                                    ",5242880,Not what it says\r\n");
        serve = Start({"serve", "--listen", "127.0.0.1:" + std::to_string(FreeLoopbackPort()), "--temp-dir",
                       user.File(".aMule/Temp")});
        ASSERT_TRUE(serve->ReadUntil([&] { return serve->out.find('\n') != std::string::npos; }, 30))
            << serve->out << serve->err;
        address = serve->out.substr(0, serve->out.find('\n'));
        ASSERT_TRUE(address.starts_with("http://127.0.0.1:")) << address;
        browser = std::make_unique<Chromium>(profile.path());
        ASSERT_TRUE(browser->Running()) << profile.Read("chromium.log");
    }

    // Opens the address serve printed (the token logs in) and waits for the live stream.
    void Open() {
        ASSERT_TRUE(browser->Navigate(address));
        ASSERT_TRUE(browser->WaitFor("document.getElementById('live-state').dataset.state === 'live'", 30))
            << browser->Evaluate("document.getElementById('status').textContent") << browser->Console();
    }

    // Enter on an element, as the keyboard gives it.
    void PressEnter(const std::string& selector) {
        ASSERT_EQ(browser->Evaluate("(() => { const e = document.querySelector(" + Js(selector) +
                                    "); if (!e) return false; e.focus(); return document.activeElement === e; })()"),
                  true)
            << selector;
        for (const char* type : {"keyDown", "keyUp"})
            browser->Call("Input.dispatchKeyEvent", {{"type", type}, {"key", "Enter"}, {"code", "Enter"},
                                                     {"windowsVirtualKeyCode", 13}, {"text", "\r"}});
    }

    bool ShownInAmuleAs(const std::string& hash, const std::string& state, double seconds) {
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
             std::chrono::steady_clock::now() < end;) {
            const std::string shown = daemon->Amulecmd("show dl");
            const size_t at = ToLowerAscii(shown).find(hash);
            if (at != std::string::npos) {
                const size_t next = shown.find('\n', at);
                if (shown.substr(next + 1, shown.find('\n', next + 1) - next - 1).find(state) != std::string::npos)
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return false;
    }

    static std::string Action(const std::string& action, const std::string& hash) {
        return "button[data-action=" + action + "][data-hash=\"" + hash + "\"]";
    }

    bool StatusIs(const std::string& text) {
        const bool is = browser->WaitFor("document.getElementById('status').textContent === " + Js(text), 30);
        if (!is) ADD_FAILURE() << "the status line says " << browser->Evaluate("document.getElementById('status').textContent");
        return is;
    }

    void Screenshot(const char* name) {
        const char* dir = std::getenv("KV_PAGE_SCREENSHOTS");
        if (!dir || !*dir) return;
        const std::string png = browser->Screenshot();
        ASSERT_TRUE(png.starts_with("\x89PNG"));
        std::ofstream(std::string(dir) + "/" + name, std::ios::binary) << png;
    }
};

TEST_F(PageInBrowser, ShowsAPlantedFakeByItsEventAndPausesItInAmule) {
    Open();
    ASSERT_EQ(browser->Evaluate("document.querySelectorAll('#findings-table tbody tr').length"), 0);
    // Planted while the page is open: only the server's event can bring the rows.
    daemon->Amulecmd("add " + Link("Film One.avi", "734003200", kFakeHash));
    daemon->Amulecmd("add " + Link(kHostileName, "5242880", kHostileHash));
    ASSERT_TRUE(browser->WaitFor(Row(kFakeHash) + " !== null && " + Row(kHostileHash) + " !== null", 60))
        << browser->Evaluate("document.getElementById('status').textContent") << browser->Console();

    // The hostile name is the text of its cell, nothing of it became markup or ran.
    EXPECT_EQ(browser->Evaluate(Row(kHostileHash) + ".querySelector('span.name').textContent"),
              "<img src=x onerror=window.owned=1><svg onload=window.owned=2>\\u202Eiva.exe");
    EXPECT_EQ(browser->Evaluate("document.querySelectorAll('tbody img, tbody svg').length"), 0);
    EXPECT_EQ(browser->Evaluate("window.owned === undefined"), true);
    // Every row is drawn: no offer to draw the rest.
    EXPECT_EQ(browser->Evaluate("getComputedStyle(document.getElementById('findings-more')).display"), "none");

    // A pasted post: the fake's link judged, the clean one added to aMule.
    ASSERT_EQ(browser->Evaluate("(() => { document.getElementById('links-text').focus(); return true; })()"), true);
    browser->Call("Input.insertText", {{"text", "Have a look:\n" + Link("Film One.avi", "734003200", kFakeHash) + "\n" +
                                                    Link("Song.mp3", "5242880", kSongHash) + "\n"}});
    PressEnter("#links-check");
    ASSERT_TRUE(browser->WaitFor("document.querySelectorAll('#links-table tbody tr').length === 2", 30))
        << browser->Evaluate("document.getElementById('status').textContent");
    EXPECT_EQ(browser->Evaluate("[...document.querySelectorAll('#links-table tbody tr')].map(r => r.dataset.rank).join()"),
              "0,2");
    PressEnter("#links-add");
    EXPECT_TRUE(StatusIs("Clean links added to aMule: 1"));
    EXPECT_NE(ToLowerAscii(daemon->Amulecmd("show dl")).find(kSongHash), std::string::npos);
    Screenshot("serve-page.png");

    // The column header sorts by the keyboard.
    PressEnter("button[data-sort=name]");
    EXPECT_EQ(browser->Evaluate("document.querySelector('button[data-sort=name]').parentElement.getAttribute('aria-sort')"),
              "ascending");

    PressEnter(Action("pause", kFakeHash));
    EXPECT_TRUE(ShownInAmuleAs(kFakeHash, "Paused", 30)) << daemon->Amulecmd("show dl");
    EXPECT_TRUE(StatusIs("Paused: Film One.avi"));
    EXPECT_TRUE(ShownInAmuleAs(kHostileHash, "Waiting", 1)) << "only the row's own download";

    // Cancel asks first, with "Keep it" focused; a yes cancels in aMule.
    PressEnter(Action("cancel", kHostileHash));
    EXPECT_EQ(browser->Evaluate("document.getElementById('confirm').open"), true);
    EXPECT_EQ(browser->Evaluate("document.activeElement.id"), "confirm-no");
    PressEnter("#confirm-yes");
    EXPECT_TRUE(browser->WaitFor(Row(kHostileHash) + " === null", 30)) << daemon->Amulecmd("show dl");
    EXPECT_EQ(ToLowerAscii(daemon->Amulecmd("show dl")).find(kHostileHash), std::string::npos);

    // Escape on the next question keeps the download, though the last answer was a yes.
    PressEnter(Action("cancel", kFakeHash));
    ASSERT_EQ(browser->Evaluate("document.getElementById('confirm').open"), true);
    for (const char* type : {"keyDown", "keyUp"})
        browser->Call("Input.dispatchKeyEvent",
                      {{"type", type}, {"key", "Escape"}, {"code", "Escape"}, {"windowsVirtualKeyCode", 27}});
    EXPECT_TRUE(browser->WaitFor("!document.getElementById('confirm').open", 5));
    // The keyboard is back on the button that asked.
    EXPECT_TRUE(browser->WaitFor("document.activeElement === document.querySelector(" +
                                 Js(Action("cancel", kFakeHash)) + ")", 5));
    // A request after it: a cancel sent on Escape would have reached aMule first.
    PressEnter(Action("resume", kFakeHash));
    EXPECT_TRUE(StatusIs("Resumed: Film One.avi"));
    EXPECT_TRUE(ShownInAmuleAs(kFakeHash, "Waiting", 30)) << daemon->Amulecmd("show dl");
}

TEST_F(PageInBrowser, MarksWithAReasonAndSpeaksTheBrowsersLanguageInLightAndDark) {
    daemon->Amulecmd("add " + Link("Film One.avi", "734003200", kFakeHash));
    daemon->Amulecmd("add " + Link("Song.mp3", "5242880", kSongHash));
    Open();
    ASSERT_EQ(browser->Evaluate("(() => { document.querySelector('input[name=filter][value=all]').click(); return true; })()"),
              true);
    ASSERT_TRUE(browser->WaitFor(Row(kFakeHash) + " !== null && " + Row(kSongHash) + " !== null", 60))
        << browser->Console();

    // A mark asks why; the answer becomes the own list's description and the row a fake.
    PressEnter(Action("mark", kSongHash));
    ASSERT_EQ(browser->Evaluate("document.activeElement.id"), "mark-reason");
    browser->Call("Input.insertText", {{"text", "Silence <b>only</b>"}});
    PressEnter("#mark-reason");
    EXPECT_TRUE(StatusIs("Marked as a fake: Song.mp3"));
    EXPECT_TRUE(browser->WaitFor("document.querySelector('#own-table td.name')?.textContent === 'Silence <b>only</b>'", 30))
        << browser->Evaluate("document.getElementById('own-table').textContent");
    EXPECT_TRUE(browser->WaitFor(Row(kSongHash) + "?.dataset.rank === '0'", 30));
    EXPECT_NE(home.Read("MYFAKES.DAT").find("Silence <b>only</b>"), std::string::npos) << home.Read("MYFAKES.DAT");
    EXPECT_EQ(browser->Evaluate("document.getElementById('links-title').textContent"), "Check links");
    browser->Call("Emulation.setEmulatedMedia", {{"features", {{{"name", "prefers-color-scheme"}, {"value", "dark"}}}}});
    // The scheme reaches the page's colours, not only the media query.
    EXPECT_EQ(browser->Evaluate("getComputedStyle(document.body).backgroundColor"), "rgb(23, 25, 29)");
    Screenshot("serve-page-dark.png");

    browser->Call("Emulation.setEmulatedMedia", {{"features", {{{"name", "prefers-color-scheme"}, {"value", "light"}}}}});
    browser->Call("Emulation.setUserAgentOverride", {{"userAgent", "Mozilla/5.0"}, {"acceptLanguage", "de-DE,de"}});
    Open();
    ASSERT_TRUE(browser->WaitFor(Row(kFakeHash) + " !== null", 60));
    EXPECT_EQ(browser->Evaluate("document.documentElement.lang"), "de");
    EXPECT_EQ(browser->Evaluate("document.getElementById('links-title').textContent"), "Links prüfen");
    EXPECT_EQ(browser->Evaluate(Row(kFakeHash) + ".querySelector('button[data-action=pause]').textContent"), "Anhalten");
    Screenshot("serve-page-de.png");
}

}  // namespace
}  // namespace kv::test
