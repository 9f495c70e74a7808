#include "clients/TempDir.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
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

// The backup copies seen while listing, packed into one buffer: most stand
// beside their .part.met and are dropped without ever becoming a string.
struct Copies {
    std::string bytes;
    std::vector<std::pair<uint32_t, uint16_t>> at;  // offset and length of each name in bytes

    void Add(std::string_view name) {
        at.emplace_back(static_cast<uint32_t>(bytes.size()), static_cast<uint16_t>(name.size()));
        bytes += name;
    }
    std::string_view operator[](size_t i) const { return std::string_view(bytes).substr(at[i].first, at[i].second); }
};

// The names straight from readdir, without a path object or a copy for each
// entry that is passed over.
bool ReadNames(const std::string& directory, bool backups, std::vector<std::string>& names, Copies& copies) {
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
        if (met) names.emplace_back(name);
        else if (copies.bytes.size() + name.size() <= UINT32_MAX) copies.Add(name);
    }
}

// The length of a backup copy's name without ".bak" or ".backup": its .part.met's name.
size_t MetLengthOf(std::string_view copy) {
    return EndsWithNoCase(copy, ".bak") ? copy.size() - 4 : copy.size() - 7;
}

// Sorts names as std::sort would, by their first 8 bytes as one number
// (names are never equal there but for a few) and the whole name only on a tie.
void SortNames(std::vector<std::string>& names) {
    const auto prefix = [](const std::string& name) {
        uint64_t key = 0;
        for (size_t i = 0; i < 8; ++i)
            key = key << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
        return key;
    };
    std::vector<std::pair<uint64_t, uint32_t>> order(names.size());
    for (size_t i = 0; i < names.size(); ++i) order[i] = {prefix(names[i]), static_cast<uint32_t>(i)};
    std::sort(order.begin(), order.end(), [&names](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : names[a.second] < names[b.second];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : order) sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

}  // namespace

std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory, bool backups) {
    std::vector<std::string> names;
    Copies copies;
    if (!ReadNames(directory, backups, names, copies)) return std::nullopt;
    SortNames(names);
    // A copy stands in only where its .part.met is missing (the same name, in
    // its own case); of two copies of one download ".bak" is the finished one,
    // ".backup" is written before the save and may be older.
    struct StandIn {
        std::string_view part;  // the download's part name, computed once
        bool bak;
        size_t index;
    };
    std::vector<StandIn> missing;
    for (size_t i = 0; i < copies.at.size(); ++i) {
        const std::string_view copy = copies[i];
        const std::string_view met = copy.substr(0, MetLengthOf(copy));
        if (!std::binary_search(names.begin(), names.end(), met, std::less<>()))
            missing.push_back({met.substr(0, met.size() - 4), met.size() + 4 == copy.size(), i});
    }
    if (missing.empty()) return names;
    std::sort(missing.begin(), missing.end(), [](const StandIn& a, const StandIn& b) {
        return a.part != b.part ? a.part < b.part : a.bak > b.bak;
    });
    const size_t before = names.size();
    for (size_t i = 0; i < missing.size(); ++i)
        if (i == 0 || missing[i].part != missing[i - 1].part) names.emplace_back(copies[missing[i].index]);
    // The few stand-ins sorted by name, then merged into the sorted .met names.
    std::sort(names.begin() + static_cast<std::ptrdiff_t>(before), names.end());
    std::inplace_merge(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(before), names.end());
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
