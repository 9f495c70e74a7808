#include "clients/amule/AmuleClient.h"

namespace kv::ec {
namespace {

bool Dropped(const AmuleError& error) { return error.kind == AmuleErrorKind::Closed; }

}  // namespace

kv::expected<void, AmuleError> AmuleClient::LogIn() {
    kv::expected<void, AmuleError> result;
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto connection = EcConnection::Open(settings_.host, settings_.port, timeouts_);
        if (!connection) return kv::unexpected(connection.error());
        const auto info = Login(*connection, settings_.passwordMd5, identity_.name, identity_.version);
        if (info) {
            connection_ = std::move(*connection);
            serverVersion_ = info->version;
            return {};
        }
        result = kv::unexpected(info.error());
        if (!Dropped(info.error())) break;
    }
    return result;
}

kv::expected<AmuleClient, AmuleError> AmuleClient::Connect(const ConnectionSettings& settings, Identity identity,
                                                           Timeouts timeouts) {
    AmuleClient client(settings, std::move(identity), timeouts);
    auto loggedIn = client.LogIn();
    // aMule drops a connection now and then on its own, during the login too: one more try.
    if (!loggedIn && Dropped(loggedIn.error())) loggedIn = client.LogIn();
    if (!loggedIn) return kv::unexpected(loggedIn.error());
    return client;
}

kv::expected<DownloadQueue, AmuleError> AmuleClient::Queue() {
    auto queue = GetDownloadQueue(connection_);
    if (queue || !Dropped(queue.error())) return queue;
    if (auto loggedIn = LogIn(); !loggedIn) return kv::unexpected(loggedIn.error());
    return GetDownloadQueue(connection_);
}

kv::expected<void, AmuleError> AmuleClient::Act(Action action, const Ed2kHash& hash) {
    auto done = ec::Act(connection_, action, hash);
    if (done || !Dropped(done.error())) return done;
    if (auto loggedIn = LogIn(); !loggedIn) return kv::unexpected(loggedIn.error());
    if (action == Action::Cancel) {
        // The daemon may have cancelled it before it dropped the connection.
        const auto queue = GetDownloadQueue(connection_);
        if (queue && !queue->ViewOf(hash)) return {};
    }
    return ec::Act(connection_, action, hash);
}

kv::expected<void, AmuleError> AmuleClient::AddLink(const std::string& link) {
    auto added = ec::AddLink(connection_, link);
    if (added || !Dropped(added.error())) return added;
    if (auto loggedIn = LogIn(); !loggedIn) return kv::unexpected(loggedIn.error());
    return ec::AddLink(connection_, link);
}

}  // namespace kv::ec
