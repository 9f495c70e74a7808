#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

inline constexpr const char* kDownloadBoxTitle = "Online-Check/Download not available!";
inline constexpr const char* kUserAgent = "Kestrivane";

// Fetches address into targetPath (replaced atomically, only on acceptance).
// Publishes the outcome in state.gfDownloadOK and state.gfProxyAuth. quiet hides
// the progress texts, never the failures.
void DownloadUrlToFile(AppState& state, MainView& view, const std::string& address,
                       const std::string& targetPath, bool quiet);

}  // namespace kv
