#include "usecases/ProgramVersion.h"

namespace kv {

std::string ProgramSiteAddress(const ProgramHome& home, const OnlineSetup& net) {
    const std::string stored = home.settings.Read(Key::ProgramSiteURL, "");
    return stored.empty() ? net.addresses.downloadSite : stored;
}

std::string FeedbackAddress(const ProgramHome& home, const OnlineSetup& net) {
    const std::string stored = home.settings.Read(Key::FeedbackAddress, "");
    return stored.empty() ? net.addresses.feedback : stored;
}

std::expected<ProgramVersionCheck, ProgramVersionFailure> CheckForNewerProgram(const ProgramHome& home,
                                                                              OnlineSetup net,
                                                                              const ProgramVersionRequest& request) {
    const std::string site = request.site.empty() ? ProgramSiteAddress(home, net) : request.site;
    if (site.empty()) return std::unexpected(ProgramVersionFailure{ProgramVersionError::NoAddress, {}, ""});
    net.addresses.downloadSite = site;
    ProgramVersionCheck check = CheckProgramVersion(home, net, request.progress);
    if (!check.fetch.ok())
        return std::unexpected(
            ProgramVersionFailure{ProgramVersionError::NotFetched, check.fetch, site + "/Download/KVVersion.txt"});
    // Kept only once it has served: a mistyped site must not replace a good one.
    if (!request.site.empty()) home.settings.Write(Key::ProgramSiteURL, request.site);
    return check;
}

}  // namespace kv
