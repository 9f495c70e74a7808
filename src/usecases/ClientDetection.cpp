#include "usecases/ClientDetection.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "clients/emule/EmulePreferences.h"
#include "common/FileUtil.h"
#include "common/Paths.h"

namespace kv {

std::expected<ClientDetection, ClientDetectionFailure> DetectClients(const ClientDetectionRequest& request) {
    std::vector<DetectedClient> found =
        DetectClientFiles(request.home, request.winePrefixes, request.emulePreferences.value_or(NativeEmulePreferences()));
    for (size_t i = 0; i < found.size(); ++i)
        if (!found[i].tempDir.empty()) return ClientDetection{std::move(found), i};
    const ClientDetectionError kind = found.empty() ? ClientDetectionError::NothingFound : ClientDetectionError::NoTempDir;
    return std::unexpected(ClientDetectionFailure{kind, std::move(found)});
}

std::vector<std::string> NativeEmulePreferences() {
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    // A multi-user install keeps its config per user; a single-user one beside the program.
    std::vector<std::string> files = emule::PreferencesLocations(env("LOCALAPPDATA"), "");
    for (const char* programs : {"ProgramFiles", "ProgramFiles(x86)"})
        if (const std::string dir = env(programs); !dir.empty())
            for (std::string& file : emule::PreferencesLocations("", dir + "\\eMule")) files.push_back(std::move(file));
    return files;
}

std::string ClientNameOf(ClientFile client) { return ClientName(client); }

std::string ClientFileNameOf(ClientFile client) {
    switch (client) {
        case ClientFile::AmuleConf: return "amule.conf";
        case ClientFile::EmulePreferencesIni: return "preferences.ini";
        case ClientFile::EdonkeyPrefMet: return "pref.met";
        case ClientFile::None: break;
    }
    return "";
}

std::string ClientTempBeside(const std::string& dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    bool settings = false;
    for (const char* name : {"amule.conf", "preferences.ini", "known.met", "pref.met"})
        settings = settings || fs::is_regular_file(fs::path(dir) / name, ec);
    if (!settings) return "";
    // A temp directory that happens to hold one of those files is still a temp directory.
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().ends_with(".part.met")) return "";
    // aMule keeps Temp inside its directory; eMule beside its config directory.
    for (const fs::path& temp : {fs::path(dir) / "Temp", fs::path(dir).parent_path() / "Temp"})
        if (fs::is_directory(temp, ec)) return temp.lexically_normal().string();
    return JoinPath(dir, "Temp");
}

}  // namespace kv
