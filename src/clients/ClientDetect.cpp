#include "clients/ClientDetect.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "common/FileUtil.h"
#include "settings/IniFile.h"
#include "common/Paths.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

constexpr int16_t kTempDirSize = 2000;

std::string StoredTempDir(const std::string& path, ClientFile client) {
    if (client == ClientFile::EdonkeyPrefMet) return ReadPrefMetTempPath(path);
    return ReadIniString("eMule", "TempDir", "", kTempDirSize, path);
}

void AddIfPresent(std::vector<DetectedClient>& found, const fs::path& file, ClientFile client,
                  const std::string& winePrefix) {
    const std::string path = file.lexically_normal().string();
    if (!FileExists(path)) return;
    for (const auto& f : found)
        if (f.path == path) return;  // the same prefix named twice
    DetectedClient d;
    d.path = path;
    d.client = client;
    d.winePrefix = winePrefix;
    d.storedTemp = StoredTempDir(path, client);
    d.tempDir = winePrefix.empty() ? d.storedTemp : WinePathToLocal(winePrefix, d.storedTemp);
    found.push_back(std::move(d));
}

// The user directories of a prefix, sorted, so that the result does not depend on the listing order.
std::vector<fs::path> WineUsers(const fs::path& driveC) {
    std::vector<fs::path> users;
    std::error_code ec;
    for (fs::directory_iterator it(driveC / "users", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc)) users.push_back(it->path());
    }
    std::sort(users.begin(), users.end());
    return users;
}

void DetectInPrefix(std::vector<DetectedClient>& found, const fs::path& prefix) {
    const fs::path c = prefix / "drive_c";
    const std::string p = prefix.lexically_normal().string();
    for (const char* programs : {"Program Files (x86)", "Program Files"})
        AddIfPresent(found, c / programs / "eMule" / "config" / "preferences.ini", ClientFile::EmulePreferencesIni, p);
    for (const fs::path& user : WineUsers(c)) {
        AddIfPresent(found, user / "AppData" / "Local" / "eMule" / "config" / "preferences.ini",
                     ClientFile::EmulePreferencesIni, p);
        AddIfPresent(found, user / "Local Settings" / "Application Data" / "eMule" / "config" / "preferences.ini",
                     ClientFile::EmulePreferencesIni, p);
    }
    for (const char* programs : {"Program Files (x86)", "Program Files"})
        AddIfPresent(found, c / programs / "eDonkey2000" / "pref.met", ClientFile::EdonkeyPrefMet, p);
}

}  // namespace

const char* ClientName(ClientFile client) {
    switch (client) {
        case ClientFile::AmuleConf: return "aMule";
        case ClientFile::EmulePreferencesIni: return "eMule";
        case ClientFile::EdonkeyPrefMet: return "eDonkey";
        case ClientFile::None: break;
    }
    return "";
}

std::string WinePathToLocal(const std::string& prefix, const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return windowsPath;
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    fs::path out = drive == 'c' ? fs::path(prefix) / "drive_c" : fs::path(prefix) / "dosdevices" / (std::string(1, drive) + ":");
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    size_t start = 0;
    while (start < rest.size()) {
        const size_t end = std::min(rest.find('/', start), rest.size());
        if (end > start) out /= rest.substr(start, end - start);
        start = end + 1;
    }
    return out.lexically_normal().string();
}

std::vector<DetectedClient> DetectClientFiles(const std::string& home, const std::vector<std::string>& extraWinePrefixes,
                                              const std::vector<std::string>& nativeEmuleFiles) {
    std::vector<DetectedClient> found;
    if (!home.empty()) AddIfPresent(found, fs::path(home) / ".aMule" / "amule.conf", ClientFile::AmuleConf, "");
    for (const std::string& file : nativeEmuleFiles) AddIfPresent(found, file, ClientFile::EmulePreferencesIni, "");
    std::vector<fs::path> prefixes;
    if (!home.empty()) prefixes.push_back(fs::path(home) / ".wine");
    for (const std::string& extra : extraWinePrefixes)
        if (!extra.empty()) prefixes.push_back(extra);
    for (const fs::path& prefix : prefixes) DetectInPrefix(found, prefix);
    return found;
}

}  // namespace kv
