#include "online/FakeListUpdate.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "settings/Paths.h"

namespace kv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The version as the server states it: its first line, without surrounding
// blanks. Only this is shown and recorded, so that whatever else the server's
// file holds never reaches the settings file.
std::string VersionLine(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::string FakeListAddress(const Session& session) {
    return session.settings.Ensure(Key::FakesDatDownloadURL, session.addresses.defaultFakeList);
}

ListVersionCheck CheckFakeListVersion(const Session& session, TransferProgress* progress) {
    ListVersionCheck check;
    const std::string url = FakeListAddress(session);
    const std::string versionFile = JoinPath(session.programDir, "Fakes.txt");
    check.fetch = DownloadToFile(url + "/Fakes.txt", versionFile, session.downloadLimits, progress);
    if (!check.fetch.ok()) return check;

    const std::string serverText = ReadWholeFile(versionFile).value_or("");
    const std::string recorded = session.settings.Ensure(Key::FakesDatVersion);
    if (NumericValue(recorded) < NumericValue(serverText)) {
        check.newer = true;
        check.serverVersion = VersionLine(serverText);
        check.listNeeded = true;
    } else {
        check.listNeeded = FileLength(session.FakeListPath()) <= 0;
    }
    RemoveFile(versionFile);
    return check;
}

DownloadResult DownloadFakeList(const Session& session, const std::string& serverVersion, TransferProgress* progress) {
    // The check has just ensured the key; if the settings file could not take
    // it, the default the check used is still the address.
    std::string url = session.settings.Read(Key::FakesDatDownloadURL, "");
    if (url.empty()) url = session.addresses.defaultFakeList;
    DownloadResult result =
        DownloadToFile(url + "/" + kFakeListFileName, session.FakeListPath(), session.downloadLimits, progress);
    if (result.ok() && !serverVersion.empty()) session.settings.Write(Key::FakesDatVersion, serverVersion);
    return result;
}

}  // namespace kv
