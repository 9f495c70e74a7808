#pragma once

#include <expected>

#include "usecases/AmuleCheck.h"
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

}  // namespace kv
