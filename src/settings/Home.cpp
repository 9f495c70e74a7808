#include "settings/Home.h"

#include <filesystem>
#include <system_error>

#include "common/FileUtil.h"

namespace kv {

ProgramHome ProgramHome::At(const std::string& programDir) { return At(HomeDirs{programDir, programDir}); }

ProgramHome ProgramHome::At(const HomeDirs& dirs) {
    ProgramHome h;
    h.programDir = dirs.data;
    h.configDir = dirs.config;
    h.settings = Settings(JoinPath(dirs.config, kSettingsFileName));
    return h;
}

std::optional<std::string> ProgramHome::CreateDirectories() const {
    for (const std::string& dir : {configDir, programDir}) {
        if (dir.empty()) return dir;
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec || !IsDirectory(dir)) return dir;
    }
    return std::nullopt;
}

}  // namespace kv
