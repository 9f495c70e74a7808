#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/DownloadQueue.h"
#include "clients/amule/EcConnection.h"
#include <expected>

namespace kv::ec {

// A logged-in connection that survives the daemon dropping it: amuled 2.3.3
// closes about one EC connection in fifty on its own (amulecmd sees the
// same), before or after a request. A request that meets such a drop logs in
// again and is sent once more; a connection this side closed (after a
// timeout) is opened anew by the next request.
//
// Each request has one deadline, Timeouts::reply from its start, that covers
// its login, its retry and every wait; the retry follows a quick drop only,
// so a daemon that drops each request just before the deadline costs one
// deadline, not several.
class AmuleClient {
public:
    struct Identity {
        std::string name;
        std::string version;
    };

    static std::expected<AmuleClient, AmuleError> Connect(const ConnectionSettings& settings, Identity identity,
                                                         Timeouts timeouts = {});

    const std::string& ServerVersion() const { return serverVersion_; }

    // Each download's source names complete, whatever connection the reply came on.
    std::expected<DownloadQueue, AmuleError> Queue();
    // Pausing, resuming and stopping twice does no harm; a cancel whose
    // download is gone after the connection dropped counts as done.
    std::expected<void, AmuleError> Act(Action action, const Ed2kHash& hash);
    std::expected<void, AmuleError> AddLink(const std::string& link);

private:
    using Clock = std::chrono::steady_clock;
    AmuleClient(ConnectionSettings settings, Identity identity, Timeouts timeouts)
        : settings_(std::move(settings)), identity_(std::move(identity)), timeouts_(timeouts) {}
    std::expected<void, AmuleError> LogIn(Clock::time_point deadline);
    // Runs one request within one deadline; retry: true for the second sending after a drop.
    template <typename T>
    std::expected<T, AmuleError> Request(const std::function<std::expected<T, AmuleError>(bool retry)>& send);

    ConnectionSettings settings_;
    Identity identity_;
    Timeouts timeouts_;
    EcConnection connection_;
    std::string serverVersion_;
    SourceNameMaps names_;  // what this connection was told of the sources' names
};

}  // namespace kv::ec
