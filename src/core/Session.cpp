#include "core/Session.h"

#include <filesystem>
#include <system_error>

#include "common/FileUtil.h"
#include "settings/Paths.h"

namespace kv {

Session Session::At(const std::string& programDir) { return At(HomeDirs{programDir, programDir}); }

Session Session::At(const HomeDirs& dirs) {
    Session s;
    s.programDir = dirs.data;
    s.configDir = dirs.config;
    s.settings = Settings(JoinPath(dirs.config, kSettingsFileName));
    return s;
}

std::optional<std::string> Session::CreateDirectories() const {
    for (const std::string& dir : {configDir, programDir}) {
        if (dir.empty()) return dir;
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec || !IsDirectory(dir)) return dir;
    }
    return std::nullopt;
}

std::string Session::FakeListPath() const { return JoinPath(programDir, kFakeListFileName); }

}  // namespace kv
