#pragma once

namespace kv {

// The program's own version, shown as major.minor.revision.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline constexpr const char* kAppTitle = "Kestrivane";

}  // namespace kv
