#include "core/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/StringUtil.h"
#include "settings/Settings.h"

namespace kv {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory) {
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec) return std::nullopt;

    std::vector<std::string> names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code statError;
        if (!it->is_regular_file(statError)) continue;  // directories, sockets, dangling links
        std::string name = it->path().filename().string();
        if (name.size() >= 4 && ToLowerAscii(std::string_view(name).substr(name.size() - 4)) == ".met")
            names.push_back(std::move(name));
    }
    if (ec) return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

std::string ConfiguredTempDir(const Settings& settings) {
    std::string dir = settings.Read(Key::EdonkeyTempPath);
    if (dir.empty()) dir = settings.Read(Key::EmuleTempDir);
    return dir;
}

std::optional<TempDir> ListTempDir(const std::string& path) {
    auto names = ListMetFiles(path);
    if (!names) return std::nullopt;
    return TempDir{path, std::move(*names)};
}

}  // namespace kv
