#pragma once

// Kestrivane in eMule: its Web Interface, logged into with the password the
// user stored, for the command line (and any front end) alike.

#include <optional>
#include <string>
#include <vector>

#include "clients/emule/WebInterface.h"
#include "settings/Home.h"
#include "usecases/AmuleSession.h"

namespace kv {

using EmuleConnection = emule::WebSettings;

struct EmuleFailure {
    enum class Kind {
        NoConnection,  // none stored: `emule connect` first
        Failed,        // eMule was not reached, refused, or did not answer: error says which
    };
    Kind kind = Kind::NoConnection;
    emule::WebError error{};
    std::string where;  // host:port, as a user would type it

    [[nodiscard]] std::string Describe() const { return emule::Describe(error); }
    // The Web Interface cannot serve at all (as opposed to a refusal of one request).
    [[nodiscard]] bool Broken() const {
        return kind == Kind::NoConnection ||
               (error.kind != emule::WebErrorKind::Failed && error.kind != emule::WebErrorKind::NotFound);
    }
};

// emule-connection.ini in the settings' directory: host, port and the
// password (eMule's login form sends it as typed), readable by its owner only.
[[nodiscard]] std::string EmuleConnectionPath(const ProgramHome& home);
[[nodiscard]] std::optional<EmuleConnection> StoredEmuleConnection(const ProgramHome& home);
[[nodiscard]] bool StoreEmuleConnection(const ProgramHome& home, const EmuleConnection& connection);
// "host", "host:port", "[v6]:port" (port default 4711); nullopt when it names no host and port.
[[nodiscard]] std::optional<EmuleConnection> ParseEmuleAddress(const std::string& text);
[[nodiscard]] std::string EmuleWhere(const EmuleConnection& connection);

// The Web Interface of a local eMule's preferences.ini: on this machine (under
// Wine too) at the port it names, with its temp directories as paths here.
struct LocalEmulePrefs {
    EmuleConnection connection;  // no password: the file holds only its MD5
    bool enabled = false;
    bool hasPassword = false;
    std::vector<std::string> tempDirs;  // as paths on this machine
    std::string incomingDir;
};
[[nodiscard]] std::optional<LocalEmulePrefs> ReadLocalEmulePrefs(const std::string& preferencesIni,
                                                                 const std::string& winePrefix = "");
// The imported client's preferences.ini, else the first detected (Wine prefixes); "" when none.
[[nodiscard]] std::string LocalEmulePrefsPath(const ProgramHome& home, const std::string& userHome,
                                              std::string* winePrefix = nullptr);

class EmuleSession {
public:
    [[nodiscard]] static std::expected<EmuleSession, EmuleFailure> Open(const ProgramHome& home);
    [[nodiscard]] static std::expected<EmuleSession, EmuleFailure> OpenAt(const EmuleConnection& connection);

    [[nodiscard]] const std::string& Where() const { return where_; }

    // The transfer list as a queue like aMule's: name, size and hash of each
    // download, and its state; what the Web Interface does not show stays empty.
    [[nodiscard]] std::expected<AmuleQueue, EmuleFailure> Queue();
    [[nodiscard]] std::expected<void, EmuleFailure> Act(AmuleAction action, const Ed2kHash& hash);
    [[nodiscard]] std::expected<void, EmuleFailure> AddLink(const std::string& link);

private:
    EmuleSession(emule::WebClient client, std::string where) : client_(std::move(client)), where_(std::move(where)) {}
    EmuleFailure Failure(emule::WebError error) const { return {EmuleFailure::Kind::Failed, std::move(error), where_}; }

    emule::WebClient client_;
    std::string where_;
};

// The Web Interface's pages through the program's HTTP client, with limits for
// a client on the same machine or network.
[[nodiscard]] emule::Fetch EmuleFetch();

}  // namespace kv
