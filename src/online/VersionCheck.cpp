#include "online/VersionCheck.h"

#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "settings/IniFile.h"
#include "common/Paths.h"

namespace kv {

namespace {

constexpr const char* kRecordName = "KVVersion.txt";

}  // namespace

double VersionNumber(int major, int minor, int revision) {
    return NumericValue(std::to_string(major) + std::to_string(minor) + std::to_string(revision));
}

bool IsNewerVersion(const std::string& recordVersion, int major, int minor, int revision) {
    const std::string v = recordVersion.substr(0, recordVersion.find_first_of("\r\n"));
    size_t dots = 0;
    for (const char c : v) dots += c == '.';
    if (dots == 0) return VersionNumber(major, minor, revision) < NumericValue(v);
    // Dotted: each part a number, missing parts 0, anything after a part's digits ignored.
    const int64_t running[3] = {major, minor, revision};
    size_t at = v.find_first_not_of(" \t");
    for (int i = 0; i < 3; ++i) {
        int64_t part = 0;
        while (at < v.size() && v[at] >= '0' && v[at] <= '9' && part < 1000000000) part = part * 10 + (v[at++] - '0');
        if (part != running[i]) return part > running[i];
        at = v.find('.', at);
        if (at == std::string::npos) return false;
        ++at;
    }
    return false;
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

ProgramVersionCheck CheckProgramVersion(const ProgramHome& home, const OnlineSetup& net, TransferProgress* progress) {
    ProgramVersionCheck check;
    const std::string record = JoinPath(home.programDir, kRecordName);
    check.fetch = DownloadToFile(net.addresses.downloadSite + "/Download/" + kRecordName, record,
                                 net.downloadLimits, progress);
    if (!check.fetch.ok()) return check;

    const std::string version = ReadIniString("Kestrivane", "Version", "", 50, record);
    check.display = ReadIniString("Kestrivane", "Display", "", 50, record);
    check.setupFile = ReadIniString("Kestrivane", "FileName", "", 100, record);

    if (!IsNewerVersion(version, kVersionMajor, kVersionMinor, kVersionRevision)) {
        check.verdict = ProgramVersionVerdict::Current;
    } else if (!IsPlainFileName(check.setupFile)) {
        // The name comes from a server: it must not lead anywhere but into the program directory.
        check.verdict = ProgramVersionVerdict::NoUsableSetupFile;
    } else if (FileExists(JoinPath(home.programDir, check.setupFile))) {
        check.verdict = ProgramVersionVerdict::AlreadyDownloaded;
    } else {
        check.verdict = ProgramVersionVerdict::NewVersion;
    }
    RemoveFile(record);
    return check;
}

DownloadResult DownloadProgramSetup(const ProgramHome& home, const OnlineSetup& net, const std::string& setupFile, TransferProgress* progress) {
    return DownloadToFile(net.addresses.downloadSite + "/Download/" + setupFile,
                          JoinPath(home.programDir, setupFile), net.downloadLimits, progress);
}

}  // namespace kv
