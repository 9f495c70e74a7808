#include "clients/amule/AmuleClient.h"

namespace kv::ec {
namespace {

// aMule's own drops come at once; a drop after this long is a daemon in
// trouble, and sending again would only wait as long once more.
constexpr std::chrono::milliseconds kQuickDrop{1000};

bool Dropped(const AmuleError& error) { return error.kind == AmuleErrorKind::Closed; }

}  // namespace

std::expected<void, AmuleError> AmuleClient::LogIn(Clock::time_point deadline) {
    std::expected<void, AmuleError> result;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto started = Clock::now();
        if (started >= deadline) return std::unexpected(AmuleError{AmuleErrorKind::Timeout, {}});
        Timeouts limited = timeouts_;
        limited.connect = std::min(timeouts_.connect,
                                   std::chrono::duration_cast<std::chrono::milliseconds>(deadline - started));
        auto connection = EcConnection::Open(settings_.host, settings_.port, limited);
        if (!connection) return std::unexpected(connection.error());
        connection->LimitTo(deadline);
        const auto info = Login(*connection, settings_.passwordMd5, identity_.name, identity_.version);
        if (info) {
            connection_ = std::move(*connection);
            serverVersion_ = info->version;
            names_.Reset();  // a new connection is told every name anew
            return {};
        }
        result = std::unexpected(info.error());
        if (!Dropped(info.error()) || Clock::now() - started > kQuickDrop) break;
    }
    return result;
}

std::expected<AmuleClient, AmuleError> AmuleClient::Connect(const ConnectionSettings& settings, Identity identity,
                                                           Timeouts timeouts) {
    AmuleClient client(settings, std::move(identity), timeouts);
    if (auto loggedIn = client.LogIn(Clock::now() + timeouts.reply); !loggedIn)
        return std::unexpected(loggedIn.error());
    return client;
}

template <typename T>
std::expected<T, AmuleError> AmuleClient::Request(const std::function<std::expected<T, AmuleError>(bool)>& send) {
    const auto started = Clock::now();
    const auto deadline = started + timeouts_.reply;
    if (!connection_.IsOpen())
        if (auto loggedIn = LogIn(deadline); !loggedIn) return std::unexpected(loggedIn.error());
    connection_.LimitTo(deadline);
    auto first = send(false);
    if (first || !Dropped(first.error()) || Clock::now() - started > kQuickDrop) return first;
    if (auto loggedIn = LogIn(deadline); !loggedIn) return std::unexpected(loggedIn.error());
    connection_.LimitTo(deadline);
    return send(true);
}

std::expected<DownloadQueue, AmuleError> AmuleClient::Queue() {
    auto queue = Request<DownloadQueue>([&](bool) { return GetDownloadQueue(connection_); });
    if (queue) names_.Apply(*queue);
    // A reply lost or refused may have carried changes: a new connection hears every name again.
    else connection_ = EcConnection{};
    return queue;
}

std::expected<void, AmuleError> AmuleClient::Act(Action action, const Ed2kHash& hash) {
    return Request<void>([&](bool retry) -> std::expected<void, AmuleError> {
        if (retry && action == Action::Cancel) {
            // The daemon may have cancelled it before it dropped the connection.
            auto queue = GetDownloadQueue(connection_);
            if (queue) names_.Apply(*queue);  // this connection's first names, kept for the next Queue
            if (queue && !queue->ViewOf(hash)) return {};
        }
        return ec::Act(connection_, action, hash);
    });
}

std::expected<void, AmuleError> AmuleClient::AddLink(const std::string& link) {
    return Request<void>([&](bool) { return ec::AddLink(connection_, link); });
}

}  // namespace kv::ec
