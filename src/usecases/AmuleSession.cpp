#include "usecases/AmuleSession.h"

#include <algorithm>

#include "clients/ClientDetect.h"
#include "common/FileUtil.h"
#include "common/Paths.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "ed2k/Md5.h"

namespace kv {

namespace {

// One name towards aMule wherever Kestrivane logs in: aMule lists it among its clients.
ec::AmuleClient::Identity Identity() { return {"kestrivane", kVersionText}; }

}  // namespace

std::string AmuleConnectionPath(const ProgramHome& home) { return JoinPath(home.configDir, ec::kConnectionFileName); }

std::optional<AmuleConnection> StoredAmuleConnection(const ProgramHome& home) {
    return ec::ReadStoredConnection(AmuleConnectionPath(home));
}

bool StoreAmuleConnection(const ProgramHome& home, const AmuleConnection& connection) {
    return ec::StoreConnection(AmuleConnectionPath(home), connection);
}

std::string AmuleWhere(const AmuleConnection& connection) {
    const bool v6 = connection.host.find(':') != std::string::npos;
    return (v6 ? "[" + connection.host + "]" : connection.host) + ":" + std::to_string(connection.port);
}

std::optional<AmuleConnection> ParseAmuleAddress(const std::string& text) { return ec::ParseHostPort(text); }

std::string AmulePasswordMd5(const std::string& password) { return HashText(Md5(password).data()); }

std::optional<LocalAmuleConf> ReadLocalAmuleConf(const std::string& amuleConfPath) {
    const auto conf = ec::ReadAmuleConfEc(amuleConfPath);
    if (!conf) return std::nullopt;
    return LocalAmuleConf{conf->settings, conf->accepted, Ed2kHash::FromHex(conf->settings.passwordMd5).has_value()};
}

std::string LocalAmuleConfPath(const ProgramHome& home, const std::string& userHome) {
    const std::string imported = home.settings.Read(Key::EmulePreferencesIniPath);
    if (!imported.empty() && FileExists(JoinPath(imported, "amule.conf"))) return JoinPath(imported, "amule.conf");
    for (const DetectedClient& found : DetectClientFiles(userHome))
        if (found.client == ClientFile::AmuleConf) return found.path;
    return "";
}

std::expected<AmuleSession, AmuleFailure> AmuleSession::Open(const ProgramHome& home, ec::Timeouts timeouts) {
    const auto stored = StoredAmuleConnection(home);
    if (!stored) return std::unexpected(AmuleFailure{});
    return OpenAt(*stored, timeouts);
}

std::expected<AmuleSession, AmuleFailure> AmuleSession::OpenAt(const AmuleConnection& connection,
                                                              ec::Timeouts timeouts) {
    auto client = ec::AmuleClient::Connect(connection, Identity(), timeouts);
    if (!client) return std::unexpected(AmuleFailure{AmuleFailure::Kind::Failed, client.error(), AmuleWhere(connection)});
    return AmuleSession(std::move(*client), AmuleWhere(connection));
}

std::expected<AmuleQueue, AmuleFailure> AmuleSession::Queue() {
    auto queue = client_.Queue();
    if (!queue) return std::unexpected(Failure(queue.error()));
    return *std::move(queue);
}

std::expected<void, AmuleFailure> AmuleSession::Act(AmuleAction action, const Ed2kHash& hash) {
    if (auto done = client_.Act(action, hash); !done) return std::unexpected(Failure(done.error()));
    return {};
}

std::expected<void, AmuleFailure> AmuleSession::AddLink(const std::string& link) {
    if (auto added = client_.AddLink(link); !added) return std::unexpected(Failure(added.error()));
    return {};
}

std::optional<std::string> SetUpLocalAmule(const ProgramHome& home, const std::string& amuleConfPath,
                                           ec::Timeouts timeouts) {
    if (StoredAmuleConnection(home)) return std::nullopt;
    const auto conf = ReadLocalAmuleConf(amuleConfPath);
    if (!conf || !conf->accepted || !conf->hasPassword) return std::nullopt;
    const auto session = AmuleSession::OpenAt(conf->connection, timeouts);
    if (!session || !StoreAmuleConnection(home, conf->connection)) return std::nullopt;
    return session->ServerVersion();
}

std::optional<Ed2kHash> FindInAmuleQueue(const AmuleQueue& queue, std::string_view target) {
    const auto hash = ec::ResolveTarget(queue, target);
    if (!hash) return std::nullopt;
    return *hash;
}

}  // namespace kv
