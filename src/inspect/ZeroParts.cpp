#include "inspect/ZeroParts.h"

#include <algorithm>

namespace kv::inspect {

Ed2kHash ZeroPartHash() {
    static const Ed2kHash kHash = *Ed2kHash::FromHex("d7def262a127cd79096a108e7a9fc138");
    return kHash;
}

int CountZeroParts(const std::vector<Ed2kHash>& partHashes, uint64_t size) {
    const uint64_t full = std::min<uint64_t>(size / kPartSize, partHashes.size());
    const Ed2kHash zero = ZeroPartHash();
    return static_cast<int>(std::count(partHashes.begin(), partHashes.begin() + static_cast<ptrdiff_t>(full), zero));
}

bool HoldsZeroPart(const std::vector<Ed2kHash>& partHashes) {
    return std::find(partHashes.begin(), partHashes.end(), ZeroPartHash()) != partHashes.end();
}

std::optional<std::string> InspectPartHashes(const std::vector<Ed2kHash>& partHashes, uint64_t size) {
    const uint64_t full = size / kPartSize;
    if (full == 0 || partHashes.size() < full) return std::nullopt;
    const int zeros = CountZeroParts(partHashes, size);
    if (zeros == 0 || static_cast<uint64_t>(zeros) * 2 < full) return std::nullopt;
    return "the published file is mostly zeros (" + std::to_string(zeros) + " of " + std::to_string(full) +
           " parts are empty)";
}

}  // namespace kv::inspect
