#include "platform/HomeDirectories.h"

// windows.h before the headers that build on it.
#include <windows.h>

#include <shlobj.h>

#include <filesystem>
#include <system_error>

#include "common/FsPath.h"
#include "common/WindowsText.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

std::string Env(const wchar_t* name) {
    const DWORD n = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return "";
    std::wstring value(n, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), n));
    return win::Utf8(value);
}

// A known folder (the roaming or local application data), or "".
std::string KnownFolder(REFKNOWNFOLDERID id, const wchar_t* variable) {
    std::string path = Env(variable);
    if (!path.empty()) return path;
    wchar_t* found = nullptr;
    if (::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &found) == S_OK) path = win::Utf8(found);
    ::CoTaskMemFree(found);
    return path;
}

bool HasSettings(const std::string& directory) {
    std::error_code ec;
    return !directory.empty() && fs::is_regular_file(FsPath(directory) / "Kestrivane.ini", ec);
}

}  // namespace

std::string ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return ".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return PathText(fs::path(path).parent_path());
}

std::string UserHomeDirectory() {
    const std::string profile = Env(L"USERPROFILE");
    return profile.empty() ? KnownFolder(FOLDERID_Profile, L"HOME") : profile;
}

// KESTRIVANE_HOME; else beside the program when a Kestrivane.ini is there
// (a portable copy on a stick); else the user's local application data.
std::string ProgramDirectory() {
    const std::string home = Env(L"KESTRIVANE_HOME");
    if (!home.empty()) return home;
    const std::string beside = ExecutableDirectory();
    if (HasSettings(beside)) return beside;
    const std::string local = KnownFolder(FOLDERID_LocalAppData, L"LOCALAPPDATA");
    return local.empty() ? beside : JoinPath(local, "Kestrivane");
}

// The settings roam with the user's profile (%APPDATA%\Kestrivane); the lists
// and the downloaded files stay on this machine (%LOCALAPPDATA%\Kestrivane).
// A portable copy or KESTRIVANE_HOME keeps both in one directory.
HomeDirs CurrentHomeDirs() {
    const std::string home = Env(L"KESTRIVANE_HOME");
    if (!home.empty()) return {home, home};
    const std::string beside = ExecutableDirectory();
    if (HasSettings(beside)) return {beside, beside};
    const std::string roaming = KnownFolder(FOLDERID_RoamingAppData, L"APPDATA");
    const std::string local = KnownFolder(FOLDERID_LocalAppData, L"LOCALAPPDATA");
    if (roaming.empty() || local.empty()) return {};
    return {JoinPath(roaming, "Kestrivane"), JoinPath(local, "Kestrivane")};
}

}  // namespace kv
