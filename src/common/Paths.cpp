#include "common/Paths.h"

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

std::string XdgBase(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
    if (home.empty()) return {};
    return (fs::path(home) / fallback).string();
}

namespace {

std::string Normalised(const std::string& dir) {
    fs::path p = fs::path(dir).lexically_normal();
    std::string s = p.string();
    while (s.size() > 1 && s.back() == kPathSeparator) s.pop_back();
    return s;
}

}  // namespace

HomeDirs ResolveHomeDirs(const HomeInputs& in) {
    if (!in.kestrivaneHome.empty()) return {in.kestrivaneHome, in.kestrivaneHome};

    const fs::path data = XdgBase(in.xdgDataHome, in.home, ".local/share");
    if (!in.installed) {
        // ResolveProgramDirectory's rule, without creating the directory.
        if (!in.executableDir.empty() && in.executableDirWritable) return {in.executableDir, in.executableDir};
        const std::string dir = data.empty() ? in.executableDir : (data / "kestrivane").string();
        return {dir, dir};
    }

    if (data.empty()) return {};
    const std::string dataDir = (data / "kestrivane").string();
    if (in.earlierHomeExists) return {dataDir, dataDir};
    const fs::path config = XdgBase(in.xdgConfigHome, in.home, ".config");
    if (config.empty()) return {};
    return {(config / "kestrivane").string(), dataDir};
}

bool IsInstalledLayout(const std::string& executableDir) {
    if (executableDir.empty()) return false;
    const fs::path bin = fs::path(Normalised(executableDir));
    if (bin.filename() != fs::path(KV_INSTALL_BINDIR).filename()) return false;
    const fs::path share = bin.parent_path() / KV_INSTALL_DATADIR;
    std::error_code ec;
    return fs::is_directory(share / "kestrivane", ec) ||
           fs::is_regular_file(share / "applications" / (std::string(KV_APP_ID) + ".desktop"), ec);
}

}  // namespace kv
