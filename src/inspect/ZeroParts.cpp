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

std::optional<Reason> ZeroPartsReason(const std::vector<Ed2kHash>& partHashes, uint64_t size) {
    const uint64_t full = size / kPartSize;
    if (full == 0 || partHashes.size() < full) return std::nullopt;
    const auto zeros = static_cast<uint64_t>(CountZeroParts(partHashes, size));
    if (zeros == 0 || zeros * 2 < full) return std::nullopt;
    return Reason{.kind = ReasonKind::MostlyZeros, .count = zeros, .total = full};
}

std::optional<std::string> InspectPartHashes(const std::vector<Ed2kHash>& partHashes, uint64_t size) {
    if (auto why = ZeroPartsReason(partHashes, size)) return ReasonText(*why);
    return std::nullopt;
}

}  // namespace kv::inspect
