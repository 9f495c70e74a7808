#include "usecases/ClientDetection.h"

#include <filesystem>
#include <system_error>

#include "common/FileUtil.h"
#include "common/Paths.h"

namespace kv {

std::expected<ClientDetection, ClientDetectionFailure> DetectClients(const ClientDetectionRequest& request) {
    std::vector<DetectedClient> found = DetectClientFiles(request.home, request.winePrefixes);
    for (size_t i = 0; i < found.size(); ++i)
        if (!found[i].tempDir.empty()) return ClientDetection{std::move(found), i};
    const ClientDetectionError kind = found.empty() ? ClientDetectionError::NothingFound : ClientDetectionError::NoTempDir;
    return std::unexpected(ClientDetectionFailure{kind, std::move(found)});
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
