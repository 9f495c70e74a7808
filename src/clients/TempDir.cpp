#include "clients/TempDir.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "common/StringUtil.h"
#include "settings/Settings.h"

namespace kv {

namespace {

constexpr std::string_view kBackupSuffixes[] = {".part.met.bak", ".part.met.backup"};

// suffix is lower case.
bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != suffix[i]) return false;
    }
    return true;
}

bool IsBackupName(std::string_view name) {
    for (const std::string_view suffix : kBackupSuffixes)
        if (EndsWithNoCase(name, suffix)) return true;
    return false;
}

// Whether the entry is a regular file, a link to one included; the kernel's
// type from the listing spares a stat for most entries.
bool IsRegularEntry(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_REG) return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
    struct stat st {};
    return ::fstatat(::dirfd(dir), entry.d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

// The names straight from readdir, without a path object or a copy for each
// entry that is passed over.
bool ReadNames(const std::string& directory, bool backups, std::vector<std::string>& names,
               std::vector<std::string>& copies) {
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(directory.c_str()));
    if (!dir) return false;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) return errno == 0;
        const std::string_view name(entry->d_name);
        const bool met = EndsWithNoCase(name, ".met");
        if (!met && !(backups && IsBackupName(name))) continue;
        if (!IsRegularEntry(dir.get(), *entry)) continue;  // directories, sockets, dangling links
        (met ? names : copies).emplace_back(name);
    }
}

}  // namespace

std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory, bool backups) {
    std::vector<std::string> names;
    std::vector<std::string> copies;
    if (!ReadNames(directory, backups, names, copies)) return std::nullopt;
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

bool IsBackupCopy(const std::string& metFile) { return IsBackupName(metFile); }

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
