#pragma once

#include <expected>

#include "usecases/AmuleCheck.h"
#include "usecases/AmuleLinks.h"
#include "usecases/EmuleSession.h"

namespace kv {

// Every download eMule's Web Interface lists, judged by hash, name and size
// as `CheckAmule` judges aMule's, with the same rows. The request's tempDir
// ("" = eMule's temp directories of the settings) is searched for each
// download's .part.met by hash: found there, its part hashes and arrived
// bytes count too. A stored Web Interface is needed (NoConnection otherwise).
[[nodiscard]] std::expected<AmuleCheckResult, AmuleCheckFailure> CheckEmule(ListStore& lists,
                                                                           const AmuleCheckRequest& request,
                                                                           AmuleCheckObserver* observer = nullptr);

// Logs in to the eMule Web Interface of emule-connection.ini and adds each
// link, as AddLinksToAmule does for aMule: a broken connection ends the adding,
// eMule's refusal of one link does not.
[[nodiscard]] std::expected<AmuleLinksAdded, AmuleCheckFailure> AddLinksToEmule(const ProgramHome& home,
                                                                                const std::vector<Ed2kLink>& links);

}  // namespace kv
