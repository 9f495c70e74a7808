#include "partmet/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/StringUtil.h"
#include "common/Version.h"
#include "settings/IniFile.h"

namespace kv {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory) {
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec) return std::nullopt;

    std::vector<std::string> names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code statError;
        if (!it->is_regular_file(statError)) continue;  // directories, sockets, dangling links
        std::string name = it->path().filename().string();
        if (name.size() >= 4 && ToLowerAscii(std::string_view(name).substr(name.size() - 4)) == ".met")
            names.push_back(std::move(name));
    }
    if (ec) return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

void ResolveTempDir(AppState& state, MainView& view, const std::string& overrideDir) {
    if (!overrideDir.empty()) {
        state.gTempDir = overrideDir;
    } else {
        state.gTempDir = ReadIniString("eDonkey", "TempPath", "", 2000, state.gIniFile);
        if (state.gTempDir.empty()) state.gTempDir = ReadIniString("eMule", "TempDir", "", 2000, state.gIniFile);
    }

    if (state.gTempDir.empty()) {
        view.MessageBox(std::string("Error:") + "\r\n" + "No '[eDonkey] TempPath=' or '[eMule] TempDir='" + "\r\n" +
                            "in Kestrivane.ini found!" + "\r\n" + "" + "\r\n" + "Use Menu 'File, Open ...'",
                        kMbCritical, kAppTitle);
        state.gfTempDirOK = false;
        SetWorkCommandsEnabled(view, true);
        return;
    }

    std::optional<std::vector<std::string>> names = ListMetFiles(state.gTempDir);
    if (!names) {
        // Walking a stale listing would report a check that never looked at the directory.
        state.fbFiles.clear();
        state.gfTempDirOK = false;
        view.SetStatus("Temp directory " + state.gTempDir + " not found!", "0");
        SetWorkCommandsEnabled(view, true);
        return;
    }
    state.gfTempDirOK = true;
    state.fbFiles = std::move(*names);
}

}  // namespace kv
