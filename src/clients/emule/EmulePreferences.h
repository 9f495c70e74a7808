#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::emule {

inline constexpr uint16_t kDefaultWebPort = 4711;

// What Kestrivane needs of an eMule preferences.ini. Paths are as eMule
// stores them (Windows paths; under Wine they still need the prefix).
struct Preferences {
    std::string incomingDir;            // [eMule] IncomingDir, "" when not set
    std::vector<std::string> tempDirs;  // [eMule] TempDir, then TempDirs; at least one when the file names any
    uint16_t webPort = kDefaultWebPort;  // [WebServer] Port
    bool webEnabled = false;            // [WebServer] Enabled
    bool webHttps = false;              // [WebServer] UseHTTPS (eMule 0.70 and later)
    bool webHasPassword = false;        // [WebServer] Password holds an MD5
};

// nullopt when the file cannot be read or holds no [eMule] section.
std::optional<Preferences> ReadPreferences(const std::string& path);

// eMule's temp directories as it reads them: TempDir first, then each of
// TempDirs ('|'-separated), blanks around each dropped, empty ones and repeats
// (without regard to case, as on Windows) left out.
std::vector<std::string> SplitTempDirs(std::string_view tempDir, std::string_view tempDirs);

// Where eMule keeps preferences.ini on Windows, in the order it uses them: the
// per-user directory of a multi-user install (%LOCALAPPDATA%\eMule\config),
// then the program directory's config. Either base may be "" (unknown).
std::vector<std::string> PreferencesLocations(const std::string& localAppData, const std::string& programDir);

}  // namespace kv::emule
