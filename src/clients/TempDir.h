#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class Settings;

// The client's temp directory and the .met files in it.
struct TempDir {
    std::string path;
    std::vector<std::string> metFiles;  // names, sorted
    // eMule's further temp directories, listed when they are checked.
    std::vector<std::string> further;
};

// Sorted names of the regular files in directory matching "*.met" (without
// regard to case); nullopt when the directory cannot be listed. With backups,
// also the client's copies "X.part.met.bak" and "X.part.met.backup" of a
// download whose "X.part.met" is missing (eMule has none for a moment while it
// saves); the ".bak" wins. "X.part.met.tmp" is never taken.
std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory, bool backups = false);

// The download's part name of a listed file: "001.part.met" and its backups -> "001.part".
std::string PartNameOf(const std::string& metFile);
// Whether a listed file is a backup copy standing in for a missing .part.met.
bool IsBackupCopy(const std::string& metFile);

// The temp directory the settings name: [eDonkey] TempPath, else [eMule] TempDir.
std::string ConfiguredTempDir(const Settings& settings);

// eMule keeps further temp directories beside its first ([eMule] TempDirs,
// '|'-separated). They belong to the eMule temp directory only: with eDonkey's
// TempPath set they are not used. Empty entries and repeats are dropped.
std::vector<std::string> FurtherTempDirs(const Settings& settings);
std::vector<std::string> SplitTempDirs(std::string_view list, const std::string& first);

// The listing of path (with backups: see ListMetFiles); nullopt when it cannot be listed.
std::optional<TempDir> ListTempDir(const std::string& path, bool backups = true);

}  // namespace kv
