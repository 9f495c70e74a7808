#include "online/VersionCheck.h"

#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

namespace kv {

namespace {

constexpr const char* kRecordName = "KVVersion.txt";

}  // namespace

double VersionNumber(int major, int minor, int revision) {
    return NumericValue(std::to_string(major) + std::to_string(minor) + std::to_string(revision));
}

double RunningVersionNumber() { return VersionNumber(kVersionMajor, kVersionMinor, kVersionRevision); }

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

ProgramVersionCheck CheckProgramVersion(const Session& session, TransferProgress* progress) {
    ProgramVersionCheck check;
    const std::string record = JoinPath(session.programDir, kRecordName);
    check.fetch = DownloadToFile(session.addresses.downloadSite + "/Download/" + kRecordName, record,
                                 session.downloadLimits, progress);
    if (!check.fetch.ok()) return check;

    const std::string version = ReadIniString("Kestrivane", "Version", "", 50, record);
    check.display = ReadIniString("Kestrivane", "Display", "", 50, record);
    check.setupFile = ReadIniString("Kestrivane", "FileName", "", 100, record);

    if (RunningVersionNumber() >= NumericValue(version)) {
        check.verdict = ProgramVersionVerdict::Current;
    } else if (!IsPlainFileName(check.setupFile)) {
        // The name comes from a server: it must not lead anywhere but into the program directory.
        check.verdict = ProgramVersionVerdict::NoUsableSetupFile;
    } else if (FileExists(JoinPath(session.programDir, check.setupFile))) {
        check.verdict = ProgramVersionVerdict::AlreadyDownloaded;
    } else {
        check.verdict = ProgramVersionVerdict::NewVersion;
    }
    RemoveFile(record);
    return check;
}

DownloadResult DownloadProgramSetup(const Session& session, const std::string& setupFile, TransferProgress* progress) {
    return DownloadToFile(session.addresses.downloadSite + "/Download/" + setupFile,
                          JoinPath(session.programDir, setupFile), session.downloadLimits, progress);
}

}  // namespace kv
