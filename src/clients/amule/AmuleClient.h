#pragma once

#include <string>

#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/DownloadQueue.h"
#include "clients/amule/EcConnection.h"
#include "common/Expected.h"

namespace kv::ec {

// A logged-in connection that survives the daemon dropping it: amuled 2.3.3
// closes about one EC connection in fifty on its own (amulecmd sees the
// same), before or after a request. Each request that meets a closed
// connection logs in again and is sent once more.
class AmuleClient {
public:
    struct Identity {
        std::string name = "kestrivane";
        std::string version;
    };

    static kv::expected<AmuleClient, AmuleError> Connect(const ConnectionSettings& settings, Identity identity,
                                                         Timeouts timeouts = {});

    const std::string& ServerVersion() const { return serverVersion_; }

    kv::expected<DownloadQueue, AmuleError> Queue();
    // Pausing, resuming and stopping twice does no harm; a cancel whose
    // download is gone after the connection dropped counts as done.
    kv::expected<void, AmuleError> Act(Action action, const Ed2kHash& hash);
    kv::expected<void, AmuleError> AddLink(const std::string& link);

private:
    AmuleClient(ConnectionSettings settings, Identity identity, Timeouts timeouts)
        : settings_(std::move(settings)), identity_(std::move(identity)), timeouts_(timeouts) {}
    kv::expected<void, AmuleError> LogIn();

    ConnectionSettings settings_;
    Identity identity_;
    Timeouts timeouts_;
    EcConnection connection_;
    std::string serverVersion_;
};

}  // namespace kv::ec
