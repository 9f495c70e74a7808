#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv {

class Settings;

// The client's temp directory and the .met files in it.
struct TempDir {
    std::string path;
    std::vector<std::string> metFiles;  // names, sorted
};

// Sorted names of the regular files in directory matching "*.met" (without
// regard to case); nullopt when the directory cannot be listed.
std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory);

// The temp directory the settings name: [eDonkey] TempPath, else [eMule] TempDir.
std::string ConfiguredTempDir(const Settings& settings);

// The listing of path; nullopt when it cannot be listed.
std::optional<TempDir> ListTempDir(const std::string& path);

}  // namespace kv
