#pragma once

#include <expected>
#include <string>

#include "clients/TempDir.h"
#include "settings/Settings.h"

namespace kv {

enum class TempDirError {
    NotSet,   // the settings name no temp directory and none was given
    Missing,     // there is no directory at its path
    Unreadable,  // there is one, but it cannot be listed (cause: the system's words)
};

struct TempDirFailure {
    TempDirError kind;
    std::string path;  // the directory that could not be listed
    std::string cause;
};

// The temp directory the settings name ("" when none).
[[nodiscard]] inline std::string StoredTempDir(const Settings& settings) { return ConfiguredTempDir(settings); }

// The temp directory given, or the one the settings name together with eMule's
// further directories; listed with the clients' backup copies when backups.
[[nodiscard]] std::expected<TempDir, TempDirFailure> ResolveTempDir(const Settings& settings, const std::string& given,
                                                      bool backups);

}  // namespace kv
