#pragma once

#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "clients/ClientDetect.h"

namespace kv {

// Where to look for the clients' preference files.
struct ClientDetectionRequest {
    std::string home;                       // the user's home directory
    std::vector<std::string> winePrefixes;  // further Wine prefixes ($WINEPREFIX), besides ~/.wine
    // eMule's preferences.ini in its own places (Windows); unset: from the
    // environment (%LOCALAPPDATA%, %ProgramFiles%, %ProgramFiles(x86)%), none elsewhere.
    std::optional<std::vector<std::string>> emulePreferences{};
};

struct ClientDetection {
    std::vector<DetectedClient> found;  // in the order they are looked for
    size_t chosen = 0;                  // the first of found that names a temp directory
};

enum class ClientDetectionError {
    NothingFound,  // no preference file at all
    NoTempDir,     // files found, none names a temp directory
};

struct ClientDetectionFailure {
    ClientDetectionError kind{};
    std::vector<DetectedClient> found;
};

// The clients' preference files in their usual places, and the one to import.
// Reads files, writes nothing.
[[nodiscard]] std::expected<ClientDetection, ClientDetectionFailure> DetectClients(const ClientDetectionRequest& request);

// eMule's preferences.ini in its own places on Windows, from the environment; none elsewhere.
[[nodiscard]] std::vector<std::string> NativeEmulePreferences();

// "aMule", "eMule" or "eDonkey"; and the preference file's own name ("amule.conf").
[[nodiscard]] std::string ClientNameOf(ClientFile client);
[[nodiscard]] std::string ClientFileNameOf(ClientFile client);

// When dir is a client's settings directory rather than its temp directory (it
// holds amule.conf, preferences.ini or known.met, and no .part.met), the temp directory beside it
// ("Temp" inside, or next to eMule's config); "" otherwise.
[[nodiscard]] std::string ClientTempBeside(const std::string& dir);

}  // namespace kv
