#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ed2k/Ed2kHash.h"
#include "inspect/Suspicion.h"

namespace kv::inspect {

inline constexpr uint64_t kPartSize = 9728000;

// MD4 of one part of 9,728,000 zero bytes.
Ed2kHash ZeroPartHash();

// How many of the file's full parts (size / kPartSize of them; the last,
// shorter part has a hash of its own) are all zeros by their hash. A list
// shorter than the full parts counts what it has.
int CountZeroParts(const std::vector<Ed2kHash>& partHashes, uint64_t size);

// Whether any hash in the list is that of an all-zero part (e.g. an ed2k
// link's p= list, whose size may be unknown to the caller).
bool HoldsZeroPart(const std::vector<Ed2kHash>& partHashes);

// "the published file is mostly zeros (N of M parts are empty)" when at
// least half of the full parts are empty; nullopt otherwise, or when the file
// has no full part or the list does not cover them.
std::optional<std::string> InspectPartHashes(const std::vector<Ed2kHash>& partHashes, uint64_t size);
std::optional<Reason> ZeroPartsReason(const std::vector<Ed2kHash>& partHashes, uint64_t size);

}  // namespace kv::inspect
