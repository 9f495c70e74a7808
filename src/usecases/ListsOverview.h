#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "usecases/Lists.h"

namespace kv {

// A record of the own list as the user made it: a mark, or an allow.
struct OwnRecord {
    std::string hash;             // 32 hex digits, lower case
    std::optional<uint64_t> size; // a mark's size field, when it holds one
    bool allowed = false;         // "not a fake"
    std::string description;      // the mark's description or the allow's reason
};

struct ListsOverview {
    ListsLoaded loaded;
    std::vector<OwnRecord> own;  // in file order
};

// The lists as a check loads them, and the own list's records.
[[nodiscard]] std::expected<ListsOverview, ListFailure> OverviewOfLists(const ProgramHome& home,
                                                                        const std::string& fakeList = "");

}  // namespace kv
