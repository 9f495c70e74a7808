#include "platform/DesktopNotifier.h"

#include <gio/gio.h>

#include <memory>

namespace kv {

namespace {

constexpr int kCallTimeoutMs = 5000;
constexpr gint32 kExpireDefault = -1;  // the server's own choice

struct Unref {
    void operator()(GDBusConnection* c) const { g_object_unref(c); }
    void operator()(GCancellable* c) const { g_object_unref(c); }
    void operator()(GError* e) const { g_error_free(e); }
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
template <class T>
using Owned = std::unique_ptr<T, Unref>;

}  // namespace

void DesktopNotifier::Run() {
    Owned<GCancellable> cancellable(g_cancellable_new());
    Owned<GDBusConnection> bus;
    bool said = false;     // the user is told of a failure once
    bool noBus = false;    // nothing to try any more
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        const Notice notice = queue_.front();
        queue_.pop_front();
        if (noBus) continue;
        GCancellable* const c = cancellable.get();
        cancelInFlight_ = [c] { g_cancellable_cancel(c); };
        lock.unlock();
        std::string why;
        GError* error = nullptr;
        if (!bus) {
            // A connection of our own, not GLib's shared one: the bus's address is read
            // afresh each time, and a bus that goes away does not end the program.
            gchar* const address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, c, &error);
            if (address)
                bus.reset(g_dbus_connection_new_for_address_sync(
                    address,
                    static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                      G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                    nullptr, c, &error));
            g_free(address);
            if (!bus) {
                noBus = true;
                why = error ? error->message : "no session bus";
            }
        }
        if (bus) {
            GVariantBuilder actions;
            g_variant_builder_init(&actions, G_VARIANT_TYPE("as"));
            GVariantBuilder hints;
            g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
            GVariant* const args = g_variant_new("(susssasa{sv}i)", appName_.c_str(), 0U, "", notice.summary.c_str(),
                                                 notice.body.c_str(), &actions, &hints, kExpireDefault);
            Owned<GVariant> reply(g_dbus_connection_call_sync(
                bus.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                "org.freedesktop.Notifications", "Notify", args, G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE,
                kCallTimeoutMs, c, &error));
            if (!reply) why = error ? error->message : "no answer";
            if (g_dbus_connection_is_closed(bus.get())) bus.reset();  // connected again for the next one
        }
        if (error) g_error_free(error);
        lock.lock();
        cancelInFlight_ = nullptr;
        if (stop_) return;
        if (!why.empty() && !said && unavailable_) {
            said = true;
            lock.unlock();
            unavailable_(why);
            lock.lock();
        }
    }
}

}  // namespace kv
