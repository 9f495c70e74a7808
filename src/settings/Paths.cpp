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

std::string ResolveProgramDirectory(const std::string& kestrivaneHome, const std::string& executableDir,
                                    const std::string& xdgDataHome, const std::string& home) {
    if (!kestrivaneHome.empty()) return kestrivaneHome;
    if (!executableDir.empty() && ::access(executableDir.c_str(), W_OK) == 0) return executableDir;

    // An installed program cannot write beside itself: keep the user's files in
    // the per-user data directory instead.
    fs::path base;
    if (!xdgDataHome.empty()) {
        base = xdgDataHome;
    } else if (!home.empty()) {
        base = fs::path(home) / ".local" / "share";
    } else {
        return executableDir;
    }
    const fs::path dir = base / "kestrivane";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir.string();
}

std::string ProgramDirectory() {
    auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return ResolveProgramDirectory(env("KESTRIVANE_HOME"), ExecutableDirectory(), env("XDG_DATA_HOME"),
                                   env("HOME"));
}

}  // namespace kv
