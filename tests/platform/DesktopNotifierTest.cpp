// Desktop notices over a private session bus, to a receiver of the
// Notifications interface (NotificationsReceiver.h); and no bus at all.

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "NotificationsReceiver.h"
#include "platform/DesktopNotifier.h"

namespace kv {
namespace {

using test::PrivateBus;
using test::ReceiverThread;
using test::Shown;

// What the notifier says when it cannot show anything, collected.
struct Said {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<std::string> lines;
    std::function<void(const std::string&)> Sink() {
        return [this](const std::string& why) {
            {
                const std::lock_guard lock(mutex);
                lines.push_back(why);
            }
            cv.notify_all();
        };
    }
};

TEST(DesktopNotifierTest, ShowsEachNoticeThroughTheNotificationsService) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().empty()) << "dbus-daemon did not start: " << bus.Why();
    ASSERT_EQ(setenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().c_str(), 1), 0);
    ReceiverThread receiver(bus.Address());
    Said said;
    std::vector<Shown> shown;
    {
        DesktopNotifier notifier("Kestrivane", said.Sink());
        notifier.Show("Kestrivane: fake paused in aMule", "Film.avi\nlisted: fake");
        notifier.Show("Kestrivane: suspect found", "caf\xc3\xa9 \xe2\x90\x87.mkv");  // text as given, UTF-8 kept
        shown = receiver.Get().WaitFor(2);
    }
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].app, "Kestrivane");
    EXPECT_EQ(shown[0].summary, "Kestrivane: fake paused in aMule");
    EXPECT_EQ(shown[0].body, "Film.avi\nlisted: fake");
    EXPECT_EQ(shown[1].summary, "Kestrivane: suspect found");
    EXPECT_EQ(shown[1].body, "caf\xc3\xa9 \xe2\x90\x87.mkv");
    EXPECT_TRUE(said.lines.empty()) << said.lines.front();
}

// A server: no session bus at all, or an address where none listens. Said once, never a hang.
TEST(DesktopNotifierTest, WithoutABusSaysSoOnceAndDropsTheRest) {
    const std::string empty = ::testing::TempDir() + "/kv-no-bus";
    g_mkdir_with_parents(empty.c_str(), 0700);
    struct Case {
        const char* what;
        const char* address;  // nullptr: no address at all
    };
    for (const Case& c : {Case{"no address, no X display", nullptr},
                          Case{"a socket nobody listens on", "unix:path=/nonexistent/kv-bus"}}) {
        SCOPED_TRACE(c.what);
        if (c.address)
            setenv("DBUS_SESSION_BUS_ADDRESS", c.address, 1);
        else
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
        unsetenv("DISPLAY");
        setenv("XDG_RUNTIME_DIR", empty.c_str(), 1);  // no bus socket there either
        Said said;
        {
            DesktopNotifier notifier("Kestrivane", said.Sink());
            for (int i = 0; i < 3; ++i) notifier.Show("Kestrivane: fake found", "x");
            std::unique_lock lock(said.mutex);
            said.cv.wait(lock, [&] { return !said.lines.empty(); });
        }  // the notices after the first are gone through (or dropped) once the notifier has ended
        ASSERT_EQ(said.lines.size(), 1U);
        EXPECT_FALSE(said.lines[0].empty());
    }
}

}  // namespace
}  // namespace kv
