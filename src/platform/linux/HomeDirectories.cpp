#include "platform/HomeDirectories.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kv {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
}

std::string AccountHome() {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

}  // namespace

std::string ExecutableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    const fs::path current = fs::current_path(ec);
    return ec ? std::string(".") : current.string();
}

std::string UserHomeDirectory() {
    const std::string home = Env("HOME");
    return home.empty() ? AccountHome() : home;
}

std::string ProgramDirectory() {
    return ResolveProgramDirectory(Env("KESTRIVANE_HOME"), ExecutableDirectory(), Env("XDG_DATA_HOME"), Env("HOME"));
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
    if (in.home.empty()) in.home = AccountHome();
    const std::string data = XdgBase(in.xdgDataHome, in.home, ".local/share");
    in.earlierHomeExists = !data.empty() && fs::is_regular_file(fs::path(data) / "kestrivane" / "Kestrivane.ini", ec);
    return ResolveHomeDirs(in);
}

}  // namespace kv
