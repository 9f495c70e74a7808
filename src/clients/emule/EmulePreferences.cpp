#include "clients/emule/EmulePreferences.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::emule {
namespace {

constexpr int16_t kPathSize = 2000;
constexpr int16_t kListSize = 16000;

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// eMule writes booleans as 1/0; older builds and hand edits as true/false.
bool Yes(const std::string& value) {
    const std::string v = ToLowerAscii(Trimmed(value));
    return v == "1" || v == "true" || v == "yes";
}

std::string Read(const char* section, const char* key, const std::string& path, int16_t size = kPathSize) {
    return ReadIniString(section, key, "", size, path);
}

std::string JoinWindows(std::string base, std::string_view tail) {
    if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
    return base + std::string(tail);
}

}  // namespace

std::vector<std::string> SplitTempDirs(std::string_view tempDir, std::string_view tempDirs) {
    std::vector<std::string> dirs;
    const auto add = [&](std::string_view piece) {
        std::string dir = Trimmed(piece);
        if (dir.empty()) return;
        const std::string folded = ToLowerAscii(dir);
        if (std::ranges::any_of(dirs, [&](const std::string& d) { return ToLowerAscii(d) == folded; })) return;
        dirs.push_back(std::move(dir));
    };
    add(tempDir);
    for (size_t start = 0; start <= tempDirs.size();) {
        const size_t end = std::min(tempDirs.find('|', start), tempDirs.size());
        add(tempDirs.substr(start, end - start));
        start = end + 1;
    }
    return dirs;
}

std::optional<Preferences> ReadPreferences(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    // A key that is surely absent tells a file without an [eMule] section from one with it.
    constexpr const char* kAbsent = "\x01";
    if (ReadIniString("eMule", "AppVersion", kAbsent, 40, path) == kAbsent &&
        ReadIniString("eMule", "TempDir", kAbsent, 4, path) == kAbsent &&
        ReadIniString("eMule", "IncomingDir", kAbsent, 4, path) == kAbsent)
        return std::nullopt;
    Preferences p;
    p.incomingDir = Trimmed(Read("eMule", "IncomingDir", path));
    p.tempDirs = SplitTempDirs(Read("eMule", "TempDir", path), Read("eMule", "TempDirs", path, kListSize));
    const std::string port = Trimmed(Read("WebServer", "Port", path));
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec == std::errc{} && end == port.data() + port.size() && value > 0 && value <= 65535)
        p.webPort = static_cast<uint16_t>(value);
    p.webEnabled = Yes(Read("WebServer", "Enabled", path));
    p.webHttps = Yes(Read("WebServer", "UseHTTPS", path));
    const std::string password = Trimmed(Read("WebServer", "Password", path));
    p.webHasPassword = password.size() == 32 &&
                       std::ranges::all_of(password, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    return p;
}

std::vector<std::string> PreferencesLocations(const std::string& localAppData, const std::string& programDir) {
    std::vector<std::string> found;
    if (!localAppData.empty()) found.push_back(JoinWindows(localAppData, "eMule\\config\\preferences.ini"));
    if (!programDir.empty()) found.push_back(JoinWindows(programDir, "config\\preferences.ini"));
    return found;
}

}  // namespace kv::emule
