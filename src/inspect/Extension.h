#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "inspect/ContentType.h"

namespace kv::inspect {

// What a file name's extension promises.
struct NameClaim {
    Category category = Category::Unknown;
    std::string_view text;     // "AVI video", "a disc image", ... (for "claims ...")
    uint64_t accepted = 0;     // bit per Format the data may have; 0 = no particular format
};

constexpr uint64_t Bit(Format f) { return uint64_t{1} << static_cast<int>(f); }

// The part after the last '.', or "" when there is none (or the name ends in '.').
std::string_view LastExtension(std::string_view name);

// The claim of an extension (without the dot, any case); nullopt when unknown.
std::optional<NameClaim> ClaimOfExtension(std::string_view ext);
// The claim of a whole file name, from its last extension.
std::optional<NameClaim> ClaimOfName(std::string_view name);

}  // namespace kv::inspect
