#pragma once

#include <string>
#include <vector>

#include "clients/TempDir.h"

namespace kv {

struct SearchHit {
    std::string part;  // the .met name without ".met"
    std::string name;  // the download's name
};

// Every .met file of dir whose bytes hold text (letters without regard to
// case). Unreadable and empty files are no hits.
std::vector<SearchHit> SearchTempFiles(const TempDir& dir, const std::string& text);

}  // namespace kv
