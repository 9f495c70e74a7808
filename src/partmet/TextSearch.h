#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

struct SearchHit {
    std::string part;
    std::string name;
};

struct SearchSummary {
    bool ran = false;  // false: no temp directory
    std::vector<SearchHit> hits;
};

// The text search: every listed .met file whose content holds searchText
// (letters without regard to case). tempDirOverride, when not empty, replaces
// the settings.
SearchSummary cbTitelSearch_Click(AppState& state, MainView& view, const std::string& searchText,
                                  const std::string& tempDirOverride = "");

}  // namespace kv
