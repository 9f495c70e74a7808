#include <sys/inotify.h>
#include <unistd.h>

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>

#include "FindingsModel.h"
#include "MainWindow.h"
#include "KvLineEdit.h"
#include "LoopbackServer.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "settings/IniFile.h"

namespace {

constexpr int kDownloads = 500;

// Opens in the watched directory (of its .met files, and of itself) since the last call.
int Opened(int watch) {
    int opened = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (ssize_t at = 0; at < n; ++opened)
            at += static_cast<ssize_t>(sizeof(inotify_event) +
                                       reinterpret_cast<const inotify_event*>(buffer + at)->len);
    return opened;
}

// The window is closed while its check runs: the check stops where it is
// instead of reading every download for nobody, and the program ends as a
// close ends it, the settings written. The moment is made certain by a box the
// check brings up after the lists are loaded (a FAKES.DAT line it skipped),
// which waits for its answer: the window is closed from that box.
TEST(CloseDuringWork, ClosingTheWindowStopsTheCheckBeforeItReadsTheRest) {
    kv::test::ScopedTempDir home;
    for (int i = 0; i < kDownloads; ++i) {
        kv::test::PartMetLayout meta;
        meta.name = "download " + std::to_string(i) + ".avi";
        meta.size = 700000000u + static_cast<uint64_t>(i);
        meta.hash = kv::test::SequentialHash(static_cast<uint8_t>(i));
        home.Write("temp/" + std::to_string(i) + ".part.met", kv::test::BuildPartMet(meta));
    }
    home.Write("FAKES.DAT", ",a line without hash\r\n,and another\r\n" + std::string(32, 'a') + ",1,Fake\r\n");
    home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL=http://127.0.0.1:9/u\r\n[eMule]\r\nTempDir=" +
                                     home.File("temp") + "\r\n[Display]\r\nShowAllPartMet=YES\r\n");
    qputenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS", "YES");

    std::unique_ptr<kv::app::MainWindow> window;
    int boxes = 0, quits = 0;
    kv::app::DesktopHooks hooks;
    hooks.messageBox = [&](QWidget*, const QString&, kv::BoxIcon, const QString&) {
        if (!window || !window->Busy()) return;  // the same box when the window loads the list at its start
        ++boxes;
        window->close();
    };
    hooks.quit = [&] { ++quits; };
    window = std::make_unique<kv::app::MainWindow>(home.path(), hooks);
    window->show();
    window->tbTitelSearch()->setText("kept");

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, home.File("temp").c_str(), IN_OPEN), 0);
    QTest::mouseClick(window->cbCheckFiles(), Qt::LeftButton);

    ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 1; }, 60000)) << "the program never ended";
    EXPECT_EQ(boxes, 1);  // closed from the check's box; its further boxes went to nobody
    EXPECT_FALSE(window->Busy());
    EXPECT_FALSE(window->isVisible());
    const int opened = Opened(watch);
    ::close(watch);
    EXPECT_LT(opened, kDownloads) << "the check read every download after the window had gone";
    EXPECT_EQ(window->Model()->rowCount(), 0);
    EXPECT_EQ(kv::ReadIniString("Search", "LastSearchString", "", 200, home.File("Kestrivane.ini")), "kept");
    window.reset();
    qunsetenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS");
}

// The window is closed while "Update DB" receives the list: the transfer is
// abandoned and nothing of it is written. The server holds the list back until
// the window has been closed, then sends all of it, which a transfer left to
// run would write.
TEST(CloseDuringWork, ClosingTheWindowDuringADownloadWritesNothing) {
    std::atomic<bool> asked{false}, release{false};
    kv::test::StaticServer server;
    struct Released {  // before the server stops, whatever the test's end
        std::atomic<bool>& flag;
        ~Released() { flag = true; }
    } released{release};
    server.Serve("/u/Fakes.txt", "12");
    server.Handle("/u/FAKES.DAT", [&](const httplib::Request&, httplib::Response& res) {
        asked = true;
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        res.set_content(std::string(32, 'b') + ",1,New entry\r\n", "application/octet-stream");
    });
    kv::test::ScopedTempDir home;
    const std::string oldList = std::string(32, 'a') + ",1,Old entry\r\n";
    home.Write("FAKES.DAT", oldList);
    home.Write("Kestrivane.ini",
               "[Internet]\r\nFakesDatDownloadURL=" + server.BaseUrl() + "/u\r\nFakesDatVersion=1\r\n");

    int quits = 0;
    kv::app::DesktopHooks hooks;
    hooks.messageBox = [](QWidget*, const QString&, kv::BoxIcon, const QString&) {};
    hooks.quit = [&] { ++quits; };
    kv::app::MainWindow window(home.path(), hooks);
    window.show();
    QTest::mouseClick(window.cbDownloadFakesDB(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.load(); }, 60000)) << "the list was never asked for";
    window.close();
    release = true;

    ASSERT_TRUE(QTest::qWaitFor([&] { return quits == 1; }, 60000)) << "the program never ended";
    EXPECT_FALSE(window.Busy());
    EXPECT_EQ(home.Read("FAKES.DAT"), oldList);
    EXPECT_EQ(kv::ReadIniString("Internet", "FakesDatVersion", "", 50, home.File("Kestrivane.ini")), "1");
}

}  // namespace
