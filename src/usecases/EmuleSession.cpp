#include "usecases/EmuleSession.h"

#include <algorithm>

#include "clients/ClientDetect.h"
#include "clients/amule/ConnectionSettings.h"
#include "clients/emule/EmulePreferences.h"
#include "common/FileUtil.h"
#include "common/Paths.h"
#include "common/StringUtil.h"
#include "online/HttpDownload.h"
#include "settings/IniFile.h"

namespace kv {
namespace {

constexpr const char* kConnectionFileName = "emule-connection.ini";
constexpr int16_t kValueSize = 1024;

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const auto digit = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        };
        const int hi = digit(hex[i]), lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

emule::WebAction WebActionOf(AmuleAction action) {
    switch (action) {
        case AmuleAction::Pause: return emule::WebAction::Pause;
        case AmuleAction::Resume: return emule::WebAction::Resume;
        case AmuleAction::Stop: return emule::WebAction::Stop;
        case AmuleAction::Cancel: return emule::WebAction::Cancel;
    }
    return emule::WebAction::Pause;
}

AmuleState StateOf(const std::string& word) {
    if (word == "downloading") return AmuleState::Downloading;
    if (word == "waiting" || word == "stalled") return AmuleState::Waiting;
    if (word == "paused") return AmuleState::Paused;
    if (word == "stopped") return AmuleState::Stopped;
    if (word == "hashing" || word == "waitinghash") return AmuleState::Hashing;
    if (word == "completing") return AmuleState::Completing;
    if (word == "complete") return AmuleState::Complete;
    if (word == "error") return AmuleState::Error;
    return AmuleState::Other;
}

// The Wine prefix a path lies in ("" when in none): the part before "/drive_c/".
std::string WinePrefixOf(const std::string& path) {
    const size_t at = path.find("/drive_c/");
    return at == std::string::npos ? "" : path.substr(0, at);
}

}  // namespace

std::string EmuleConnectionPath(const ProgramHome& home) { return JoinPath(home.configDir, kConnectionFileName); }

std::optional<EmuleConnection> StoredEmuleConnection(const ProgramHome& home) {
    const std::string path = EmuleConnectionPath(home);
    if (!FileExists(path)) return std::nullopt;
    const auto read = [&](const char* key) { return ReadIniString("eMule", key, "", kValueSize, path); };
    auto connection = ParseEmuleAddress(read("Host") + ":" + read("Port"));
    const auto password = FromHex(read("PasswordHex"));
    if (!connection || !password || password->empty()) return std::nullopt;
    connection->https = read("Https") == "1";
    connection->password = *password;
    return connection;
}

bool StoreEmuleConnection(const ProgramHome& home, const EmuleConnection& connection) {
    if (!ParseEmuleAddress(EmuleWhere(connection)) || connection.password.empty()) return false;
    return ec::WritePrivateFile(EmuleConnectionPath(home),
                                "[eMule]\nHost=" + connection.host + "\nPort=" + std::to_string(connection.port) +
                                    "\nHttps=" + (connection.https ? "1" : "0") +
                                    "\nPasswordHex=" + Hex(connection.password) + "\n");
}

std::optional<EmuleConnection> ParseEmuleAddress(const std::string& text) {
    const auto parsed = ec::ParseHostPort(text);
    if (!parsed) return std::nullopt;
    // No port given ("host", "[v6]", a bare IPv6 address): the Web Interface's default.
    const size_t colons = std::ranges::count(text, ':');
    const bool portGiven = text.starts_with('[') ? text.find("]:") != std::string::npos : colons == 1;
    EmuleConnection connection;
    connection.host = parsed->host;
    connection.port = portGiven ? parsed->port : emule::kDefaultWebPort;
    return connection;
}

std::string EmuleWhere(const EmuleConnection& connection) {
    const bool v6 = connection.host.find(':') != std::string::npos;
    return (v6 ? "[" + connection.host + "]" : connection.host) + ":" + std::to_string(connection.port);
}

std::optional<LocalEmulePrefs> ReadLocalEmulePrefs(const std::string& preferencesIni, const std::string& winePrefix) {
    const auto prefs = emule::ReadPreferences(preferencesIni);
    if (!prefs) return std::nullopt;
    LocalEmulePrefs local;
    local.connection.port = prefs->webPort;
    local.connection.https = prefs->webHttps;
    local.enabled = prefs->webEnabled;
    local.hasPassword = prefs->webHasPassword;
    const auto here = [&](const std::string& path) { return winePrefix.empty() ? path : WinePathToLocal(winePrefix, path); };
    for (const std::string& dir : prefs->tempDirs) local.tempDirs.push_back(here(dir));
    if (!prefs->incomingDir.empty()) local.incomingDir = here(prefs->incomingDir);
    return local;
}

std::string LocalEmulePrefsPath(const ProgramHome& home, const std::string& userHome, std::string* winePrefix) {
    const std::string imported = home.settings.Read(Key::EmulePreferencesIniPath);
    if (!imported.empty() && FileExists(JoinPath(imported, "preferences.ini"))) {
        const std::string path = JoinPath(imported, "preferences.ini");
        if (winePrefix) *winePrefix = WinePrefixOf(path);
        return path;
    }
    for (const DetectedClient& found : DetectClientFiles(userHome))
        if (found.client == ClientFile::EmulePreferencesIni) {
            if (winePrefix) *winePrefix = found.winePrefix;
            return found.path;
        }
    return "";
}

emule::Fetch EmuleFetch() {
    return [](const std::string& url) -> std::expected<emule::WebAnswer, emule::FetchError> {
        DownloadLimits limits;
        limits.connectTimeoutSeconds = 5;
        limits.totalSeconds = 60;
        limits.lowSpeedTimeSeconds = 20;
        limits.maxBytes = int64_t{64} * 1024 * 1024;
        DownloadResult got = DownloadToMemory(url, limits, nullptr);
        using K = emule::FetchErrorKind;
        switch (got.status) {
            case DownloadStatus::Written: return emule::WebAnswer{got.httpStatus, std::move(got.body)};
            case DownloadStatus::NotAvailable: return emule::WebAnswer{got.httpStatus, {}};
            case DownloadStatus::NoConnection:
            case DownloadStatus::NotOpened:
                return std::unexpected(emule::FetchError{got.timedOut ? K::TimedOut : K::NotReached, got.networkError});
            case DownloadStatus::Interrupted:
                return std::unexpected(emule::FetchError{got.timedOut ? K::TimedOut : K::Broken, got.networkError});
            case DownloadStatus::ProxyRefused:
                return std::unexpected(emule::FetchError{K::NotReached, "the proxy asks for authentication"});
            case DownloadStatus::NotWritten:
            case DownloadStatus::NotModified:
            case DownloadStatus::Refused: break;
        }
        return std::unexpected(emule::FetchError{K::Broken, got.refusal});
    };
}

std::expected<EmuleSession, EmuleFailure> EmuleSession::Open(const ProgramHome& home) {
    const auto stored = StoredEmuleConnection(home);
    if (!stored) return std::unexpected(EmuleFailure{});
    return OpenAt(*stored);
}

std::expected<EmuleSession, EmuleFailure> EmuleSession::OpenAt(const EmuleConnection& connection) {
    auto client = emule::WebClient::LogIn(connection, EmuleFetch());
    if (!client)
        return std::unexpected(EmuleFailure{EmuleFailure::Kind::Failed, client.error(), EmuleWhere(connection)});
    return EmuleSession(std::move(*client), EmuleWhere(connection));
}

std::expected<AmuleQueue, EmuleFailure> EmuleSession::Queue() {
    auto transfers = client_.Transfers();
    if (!transfers) return std::unexpected(Failure(transfers.error()));
    AmuleQueue queue;
    queue.downloads.reserve(transfers->size());
    for (emule::WebDownload& w : *transfers) {
        Download d;
        d.name = std::move(w.name);
        d.hasName = true;
        d.size = w.size;
        d.hasSize = true;
        d.hash = w.hash;
        AmuleView view;
        view.state = StateOf(w.state);
        view.stopped = view.state == AmuleState::Stopped;
        queue.views.emplace(w.hash, std::move(view));
        queue.downloads.push_back(std::move(d));
    }
    return queue;
}

std::expected<void, EmuleFailure> EmuleSession::Act(AmuleAction action, const Ed2kHash& hash) {
    if (auto done = client_.Act(WebActionOf(action), hash); !done) return std::unexpected(Failure(done.error()));
    return {};
}

std::expected<void, EmuleFailure> EmuleSession::AddLink(const std::string& link) {
    if (auto added = client_.AddLink(link); !added) return std::unexpected(Failure(added.error()));
    return {};
}

}  // namespace kv
