// Desktop notices over a private session bus, to a receiver of the
// Notifications interface written here; and no bus at all.

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

#include "platform/DesktopNotifier.h"

namespace kv {
namespace {

constexpr const char* kInterface = R"(<node><interface name="org.freedesktop.Notifications">
  <method name="Notify">
    <arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
    <arg type="a{sv}" direction="in"/><arg type="i" direction="in"/><arg type="u" direction="out"/>
  </method></interface></node>)";

struct Shown {
    std::string app, summary, body;
};

// A session bus of the test's own (dbus-daemon), ended with the test.
class PrivateBus {
public:
    PrivateBus() {
        const gchar* argv[] = {"dbus-daemon", "--session", "--nofork", "--print-address=1", nullptr};
        gint out = -1;
        GError* error = nullptr;
        if (!g_spawn_async_with_pipes(nullptr, const_cast<gchar**>(argv), nullptr,
                                      static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr,
                                      nullptr, &pid_, nullptr, &out, nullptr, &error)) {
            why_ = error->message;
            g_error_free(error);
            return;
        }
        char c = 0;
        while (read(out, &c, 1) == 1 && c != '\n') address_ += c;
        close(out);
    }
    ~PrivateBus() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& Address() const { return address_; }
    const std::string& Why() const { return why_; }

private:
    GPid pid_ = 0;
    std::string address_;
    std::string why_;
};

// Owns org.freedesktop.Notifications on the bus and keeps what it was asked to show.
class Receiver {
public:
    explicit Receiver(const std::string& address) {
        GError* error = nullptr;
        connection_ = g_dbus_connection_new_for_address_sync(
            address.c_str(),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        if (!connection_) {
            ADD_FAILURE() << error->message;
            g_error_free(error);
            return;
        }
        GDBusNodeInfo* const node = g_dbus_node_info_new_for_xml(kInterface, nullptr);
        static const GDBusInterfaceVTable vtable{&Receiver::Call, nullptr, nullptr, {}};
        g_dbus_connection_register_object(connection_, "/org/freedesktop/Notifications", node->interfaces[0], &vtable,
                                          this, nullptr, nullptr);
        g_dbus_node_info_unref(node);
        GVariant* const owned = g_dbus_connection_call_sync(
            connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
            g_variant_new("(su)", "org.freedesktop.Notifications", 4U /* do not queue */), G_VARIANT_TYPE("(u)"),
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
        guint32 answer = 0;
        if (owned) {
            g_variant_get(owned, "(u)", &answer);
            g_variant_unref(owned);
        }
        EXPECT_EQ(answer, 1U) << "the receiver does not own the name";
    }
    ~Receiver() {
        if (connection_) {
            g_dbus_connection_close_sync(connection_, nullptr, nullptr);
            g_object_unref(connection_);
        }
    }

    std::vector<Shown> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return shown_.size() >= count; });
        return shown_;
    }

private:
    static void Call(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method, GVariant* args,
                     GDBusMethodInvocation* invocation, gpointer self) {
        auto* const r = static_cast<Receiver*>(self);
        if (std::string(method) != "Notify") return;
        const gchar *app = nullptr, *icon = nullptr, *summary = nullptr, *body = nullptr;
        guint32 replaces = 0;
        gint32 expire = 0;
        g_variant_get(args, "(&su&s&s&s@as@a{sv}i)", &app, &replaces, &icon, &summary, &body, nullptr, nullptr,
                      &expire);
        {
            const std::lock_guard lock(r->mutex_);
            r->shown_.push_back({app, summary, body});
        }
        r->arrived_.notify_all();
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(u)", 7U));
    }

    GDBusConnection* connection_ = nullptr;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Shown> shown_;
};

// The receiver's calls arrive on the thread-default main context of whoever made
// the connection: the receiver is made and served on a thread of its own.
class ReceiverThread {
public:
    explicit ReceiverThread(const std::string& address) : context_(g_main_context_new()) {
        thread_ = std::thread([this, address] {
            g_main_context_push_thread_default(context_);
            {
                Receiver receiver(address);
                {
                    const std::lock_guard lock(mutex_);
                    receiver_ = &receiver;
                }
                ready_.notify_all();
                while (!g_atomic_int_get(&stop_)) g_main_context_iteration(context_, TRUE);
            }
            g_main_context_pop_thread_default(context_);
        });
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return receiver_ != nullptr; });
    }
    ~ReceiverThread() {
        g_atomic_int_set(&stop_, 1);
        g_main_context_wakeup(context_);
        thread_.join();
        g_main_context_unref(context_);
    }
    Receiver& Get() { return *receiver_; }

private:
    GMainContext* const context_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable ready_;
    Receiver* receiver_ = nullptr;
    gint stop_ = 0;
};

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
