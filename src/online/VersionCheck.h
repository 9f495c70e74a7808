#pragma once

#include <string>

#include "online/OnlineSetup.h"
#include "settings/Home.h"
#include "online/HttpDownload.h"

namespace kv {

// A version as a number: the three numbers' decimal digits joined (1, 10, 0 -> 1100).
double VersionNumber(int major, int minor, int revision);

// Whether the version record's version is newer than the running one. A dotted
// version ("1.10.0") is compared number by number; a plain number keeps its
// old meaning, the running version's digits joined (1.0.0 -> 100).
bool IsNewerVersion(const std::string& recordVersion, int major, int minor, int revision);

// A server-chosen setup file name is used only when it is a plain file name.
bool IsPlainFileName(const std::string& name);

enum class ProgramVersionVerdict { NotChecked, Current, NoUsableSetupFile, AlreadyDownloaded, NewVersion };

struct ProgramVersionCheck {
    DownloadResult fetch;  // of the version record
    ProgramVersionVerdict verdict = ProgramVersionVerdict::NotChecked;
    std::string display;    // the version as the record shows it
    std::string setupFile;  // the setup file's plain name
};

// Fetches the version record KVVersion.txt and compares it with the running version.
ProgramVersionCheck CheckProgramVersion(const ProgramHome& home, const OnlineSetup& net, TransferProgress* progress);

// Fetches the setup file into the program directory (stored only, never run).
DownloadResult DownloadProgramSetup(const ProgramHome& home, const OnlineSetup& net, const std::string& setupFile, TransferProgress* progress);

}  // namespace kv
