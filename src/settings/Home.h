#pragma once

#include <optional>
#include <string>

#include "common/Paths.h"
#include "settings/Settings.h"

namespace kv {

inline constexpr const char* kFakeListFileName = "FAKES.DAT";
inline constexpr const char* kSettingsFileName = "Kestrivane.ini";

// Where the program keeps its settings and its data, and the settings file.
struct ProgramHome {
    std::string programDir;  // FAKES.DAT, MYFAKES.DAT, downloads (and Kestrivane.ini for At(dir))
    std::string configDir;   // Kestrivane.ini
    Settings settings;

    // One directory for the settings and the data (portable, --home).
    static ProgramHome At(const std::string& programDir);
    // Settings in dirs.config, lists and downloads in dirs.data.
    static ProgramHome At(const HomeDirs& dirs);
    // Creates both directories when missing; nullopt on success, else the one
    // that could not be made ("" when there is no home to put it in).
    std::optional<std::string> CreateDirectories() const;
    std::string FakeListPath() const { return JoinPath(programDir, kFakeListFileName); }
};

}  // namespace kv
