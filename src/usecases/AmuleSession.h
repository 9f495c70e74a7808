#pragma once

// Kestrivane in aMule: the one place that logs in over External Connections,
// under one name, for the command line and the window alike.

#include <optional>
#include <string>
#include <string_view>

#include "clients/amule/AmuleClient.h"
#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/DownloadQueue.h"
#include <expected>
#include "ed2k/Ed2kHash.h"
#include "settings/Home.h"

namespace kv {

using AmuleAction = ec::Action;
using AmuleConnection = ec::ConnectionSettings;
using AmuleQueue = ec::DownloadQueue;
using AmuleErrorKind = ec::AmuleErrorKind;
using AmuleView = ec::ClientView;
using AmuleComment = ec::Comment;
using AmuleState = ec::DownloadState;
// "downloading", "paused", ...
[[nodiscard]] inline const char* AmuleStateName(AmuleState state) { return ec::StateName(state); }
// "pause", "resume", "stop", "cancel".
[[nodiscard]] inline const char* AmuleActionName(AmuleAction action) { return ec::ActionName(action); }

struct AmuleFailure {
    enum class Kind {
        NoConnection,  // none stored: `amule connect` (or the options dialog) first
        Failed,        // aMule was not reached, refused, or did not answer: error says which
    };
    Kind kind = Kind::NoConnection;
    ec::AmuleError error{};
    std::string where;  // host:port, as a user would type it

    // What went wrong in one line ("aMule did not answer in time"), the detail made printable.
    [[nodiscard]] std::string Describe() const { return ec::Describe(error); }
    // The connection cannot serve at all (as opposed to a refusal of one request).
    [[nodiscard]] bool Broken() const {
        return kind == Kind::NoConnection ||
               (error.kind != AmuleErrorKind::Failed && error.kind != AmuleErrorKind::NotFound);
    }
};

// The stored connection's file (amule-connection.ini in the settings' directory).
[[nodiscard]] std::string AmuleConnectionPath(const ProgramHome& home);
[[nodiscard]] std::optional<AmuleConnection> StoredAmuleConnection(const ProgramHome& home);
// Replaces the stored connection; false when it could not be written.
[[nodiscard]] bool StoreAmuleConnection(const ProgramHome& home, const AmuleConnection& connection);
// "host:port", "[v6]:port".
[[nodiscard]] std::string AmuleWhere(const AmuleConnection& connection);
// "host", "host:port", "[v6]:port"; nullopt when it names no host and port.
[[nodiscard]] std::optional<AmuleConnection> ParseAmuleAddress(const std::string& text);
// The password's MD5 in hex, as aMule keeps and checks it.
[[nodiscard]] std::string AmulePasswordMd5(const std::string& password);

// The External Connections group of an amule.conf; nullopt when the file is missing.
struct LocalAmuleConf {
    AmuleConnection connection;
    bool accepted = false;       // AcceptExternalConnections=1
    bool hasPassword = false;    // an ECPassword that is an MD5
};
[[nodiscard]] std::optional<LocalAmuleConf> ReadLocalAmuleConf(const std::string& amuleConfPath);
// The imported client's amule.conf, else the one in its usual place (~/.aMule); "" when neither exists.
[[nodiscard]] std::string LocalAmuleConfPath(const ProgramHome& home, const std::string& userHome);

class AmuleSession;

// After a local aMule's amule.conf was imported: when it accepts External
// Connections with a password and no connection is stored yet, logs in and
// stores it, so that a first start needs no second step. The aMule version
// reached; nullopt when nothing was set up (the reason is not the user's
// problem yet: the options dialog and `amule connect` say it when asked).
[[nodiscard]] std::optional<std::string> SetUpLocalAmule(const ProgramHome& home, const std::string& amuleConfPath,
                                                         ec::Timeouts timeouts = {std::chrono::milliseconds(2000),
                                                                                 std::chrono::milliseconds(5000)});

class AmuleSession {
public:
    // Logs in to the stored connection, or to the one given.
    [[nodiscard]] static std::expected<AmuleSession, AmuleFailure> Open(const ProgramHome& home, ec::Timeouts timeouts = {});
    [[nodiscard]] static std::expected<AmuleSession, AmuleFailure> OpenAt(const AmuleConnection& connection,
                                                                       ec::Timeouts timeouts = {std::chrono::milliseconds(2000),
                                                                                 std::chrono::milliseconds(5000)});

    [[nodiscard]] const std::string& ServerVersion() const { return client_.ServerVersion(); }
    [[nodiscard]] const std::string& Where() const { return where_; }

    [[nodiscard]] std::expected<AmuleQueue, AmuleFailure> Queue();
    [[nodiscard]] std::expected<void, AmuleFailure> Act(AmuleAction action, const Ed2kHash& hash);
    [[nodiscard]] std::expected<void, AmuleFailure> AddLink(const std::string& link);

private:
    AmuleSession(ec::AmuleClient client, std::string where) : client_(std::move(client)), where_(std::move(where)) {}
    AmuleFailure Failure(ec::AmuleError error) const { return {AmuleFailure::Kind::Failed, std::move(error), where_}; }

    ec::AmuleClient client_;
    std::string where_;
};

// A download named the way every command names one: its part file (5, 005,
// 005.part, 005.part.met) or its ed2k hash, found in aMule's queue.
[[nodiscard]] std::optional<Ed2kHash> FindInAmuleQueue(const AmuleQueue& queue, std::string_view target);

}  // namespace kv
