#include "common/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <pwd.h>
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

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
}

// An XDG base directory: the variable when it holds an absolute path, else
// home/fallback; "" without either.
fs::path XdgBase(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
    if (home.empty()) return {};
    return fs::path(home) / fallback;
}

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

HomeDirs CurrentHomeDirs() {
    HomeInputs in;
    in.kestrivaneHome = Env("KESTRIVANE_HOME");
    in.executableDir = ExecutableDirectory();
    std::error_code ec;
    // ExecutableDirectory is /proc/self/exe's, links resolved: a program
    // reached through a link (/usr/local/bin/x -> /opt/kv/bin/x) is judged where it is.
    in.installed = IsInstalledLayout(in.executableDir);
    in.executableDirWritable = ::access(in.executableDir.c_str(), W_OK) == 0;
    in.xdgConfigHome = Env("XDG_CONFIG_HOME");
    in.xdgDataHome = Env("XDG_DATA_HOME");
    in.home = Env("HOME");
    if (in.home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) in.home = pw->pw_dir;
    }
    const fs::path data = XdgBase(in.xdgDataHome, in.home, ".local/share");
    in.earlierHomeExists = !data.empty() && fs::is_regular_file(data / "kestrivane" / "Kestrivane.ini", ec);
    return ResolveHomeDirs(in);
}

}  // namespace kv

namespace kv {

std::string UserHomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

}  // namespace kv
