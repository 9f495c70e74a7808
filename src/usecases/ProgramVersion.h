#pragma once

#include <expected>
#include <string>

#include "usecases/Transfer.h"
#include "online/OnlineSetup.h"
#include "online/VersionCheck.h"
#include "settings/Home.h"

namespace kv {

struct ProgramVersionRequest {
    std::string site;                     // an address to try instead of the stored one ("" = the stored one)
    TransferProgress* progress = nullptr;
};

enum class ProgramVersionError {
    NoAddress,   // no site is set: nothing was sent
    NotFetched,  // the version record could not be fetched (fetch says why)
};

struct ProgramVersionFailure {
    ProgramVersionError kind{};
    DownloadResult fetch;
    std::string address;  // of the version record
};

// The program's site: the setting, else the setup's (none unless a test gives one).
[[nodiscard]] std::string ProgramSiteAddress(const ProgramHome& home, const OnlineSetup& net);
// Where feedback goes: the setting, else the setup's (none unless a test gives one).
[[nodiscard]] std::string FeedbackAddress(const ProgramHome& home, const OnlineSetup& net);

// Fetches the site's version record and compares it with the running version.
// A site given in the request is stored once its record came.
[[nodiscard]] std::expected<ProgramVersionCheck, ProgramVersionFailure> CheckForNewerProgram(const ProgramHome& home,
                                                                              OnlineSetup net,
                                                                              const ProgramVersionRequest& request);

// The setup file a check found into the program directory: stored only, never run.
[[nodiscard]] inline DownloadResult DownloadNewerProgram(const ProgramHome& home, const OnlineSetup& net,
                                                         const ProgramVersionCheck& check,
                                                         TransferProgress* progress) {
    return DownloadProgramSetup(home, net, check.setupFile, progress);
}

}  // namespace kv
