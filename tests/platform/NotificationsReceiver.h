#pragma once

// A session bus of the test's own and a receiver of the freedesktop
// Notifications interface on it, written with GIO.

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

inline constexpr const char* kInterface = R"(<node><interface name="org.freedesktop.Notifications">
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

    // What was shown once count notices came, or after seconds (that only keep a broken test from hanging).
    std::vector<Shown> WaitFor(size_t count, double seconds = 60) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return shown_.size() >= count; });
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

}  // namespace kv::test
