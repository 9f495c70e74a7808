#include "settings/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace kv {

namespace fs = std::filesystem;

std::string JoinPath(std::string directory, std::string fileName) {
    if (!fileName.empty() && fileName.front() == kPathSeparator) fileName.erase(0, 1);
    if (directory.empty() || directory.back() != kPathSeparator) directory += kPathSeparator;
    return directory + fileName;
}

std::string DirectoryOf(const std::string& path) {
    const size_t sep = path.rfind(kPathSeparator);
    if (sep == std::string::npos) return "";
    if (sep == 0) return std::string(1, kPathSeparator);  // the root keeps its separator
    return path.substr(0, sep);
}

std::string FileNameOf(const std::string& path) {
    const size_t sep = path.rfind(kPathSeparator);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string ExecutableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    const fs::path current = fs::current_path(ec);
    return ec ? std::string(".") : current.string();
}

std::string ProgramDirectory() {
    if (const char* home = std::getenv("KESTRIVANE_HOME"); home && *home) return home;

    const std::string exeDir = ExecutableDirectory();
    if (::access(exeDir.c_str(), W_OK) == 0) return exeDir;

    // An installed program cannot write beside itself: keep the user's files in
    // the per-user data directory instead.
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* userHome = std::getenv("HOME"); userHome && *userHome) {
        base = fs::path(userHome) / ".local" / "share";
    } else {
        return exeDir;
    }
    const fs::path dir = base / "kestrivane";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir.string();
}

}  // namespace kv
