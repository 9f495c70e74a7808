#include "clients/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/StringUtil.h"
#include "settings/Settings.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBackupSuffixes[] = {".part.met.bak", ".part.met.backup"};

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && ToLowerAscii(text.substr(text.size() - suffix.size())) == suffix;
}

}  // namespace

std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory, bool backups) {
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec) return std::nullopt;

    std::vector<std::string> names;
    std::vector<std::string> copies;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code statError;
        if (!it->is_regular_file(statError)) continue;  // directories, sockets, dangling links
        std::string name = it->path().filename().string();
        if (EndsWithNoCase(name, ".met")) {
            names.push_back(std::move(name));
        } else if (backups && IsBackupCopy(name)) {
            copies.push_back(std::move(name));
        }
    }
    if (ec) return std::nullopt;
    std::sort(names.begin(), names.end());
    // ".bak" is the finished copy; ".backup" is written before the save and may be older.
    const auto rank = [](const std::string& n) { return EndsWithNoCase(n, ".bak") ? 0 : 1; };
    std::sort(copies.begin(), copies.end(), [&](const std::string& a, const std::string& b) {
        return PartNameOf(a) != PartNameOf(b) ? PartNameOf(a) < PartNameOf(b) : rank(a) < rank(b);
    });
    std::vector<std::string> standIns;
    for (const std::string& copy : copies) {
        const std::string met = PartNameOf(copy) + copy.substr(PartNameOf(copy).size(), 4);  // keeps its case
        const bool metThere = std::binary_search(names.begin(), names.end(), met);
        const bool taken = !standIns.empty() && PartNameOf(standIns.back()) == PartNameOf(copy);
        if (!metThere && !taken) standIns.push_back(copy);
    }
    if (!standIns.empty()) {
        names.insert(names.end(), standIns.begin(), standIns.end());
        std::sort(names.begin(), names.end());
    }
    return names;
}

bool IsBackupCopy(const std::string& metFile) {
    for (const std::string_view suffix : kBackupSuffixes)
        if (EndsWithNoCase(metFile, suffix)) return true;
    return false;
}

std::string PartNameOf(const std::string& metFile) {
    for (const std::string_view suffix : kBackupSuffixes)
        if (EndsWithNoCase(metFile, suffix)) return metFile.substr(0, metFile.size() - suffix.size() + 5);
    return metFile.substr(0, metFile.size() - std::min<size_t>(4, metFile.size()));
}

std::string ConfiguredTempDir(const Settings& settings) {
    std::string dir = settings.Read(Key::EdonkeyTempPath);
    if (dir.empty()) dir = settings.Read(Key::EmuleTempDir);
    return dir;
}

std::vector<std::string> SplitTempDirs(std::string_view list, const std::string& first) {
    std::vector<std::string> dirs;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find('|', start), list.size());
        std::string dir(list.substr(start, end - start));
        if (!dir.empty() && dir != first && std::find(dirs.begin(), dirs.end(), dir) == dirs.end())
            dirs.push_back(std::move(dir));
        start = end + 1;
    }
    return dirs;
}

std::vector<std::string> FurtherTempDirs(const Settings& settings) {
    if (!settings.Read(Key::EdonkeyTempPath).empty()) return {};
    return SplitTempDirs(settings.Read(Key::EmuleTempDirs), settings.Read(Key::EmuleTempDir));
}

std::optional<TempDir> ListTempDir(const std::string& path, bool backups) {
    auto names = ListMetFiles(path, backups);
    if (!names) return std::nullopt;
    return TempDir{path, std::move(*names), {}};
}

}  // namespace kv
