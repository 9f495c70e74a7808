#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "inspect/Suspicion.h"

namespace kv::inspect {

// Rules on a file name alone, shared by downloads and links (no data needed).
// A reason in lower case ("a program posing as AVI video: ...") or nullopt.
//  - a program extension (.exe .scr .pif .com .bat .cmd .vbs .vbe .js .jse
//    .wsf .hta .msi .lnk .cpl .url) right after a known non-program extension,
//    blanks between them allowed: "movie.avi.exe", "photo.jpg .exe";
//  - a program extension behind a run of 3 or more blanks, which pushes it
//    out of sight in a narrow column: "movie                 .exe";
//  - a right-to-left override (U+202E), which shows "gpj.exe" reversed.
std::optional<std::string> InspectName(std::string_view name);
// The same finding as figures (ReasonText words it as above).
std::optional<Reason> NameReason(std::string_view name);

// Whether the extension (no dot, any case) runs as a program when opened on
// Windows: the extensions the rules above look for.
bool IsProgramExtension(std::string_view ext);

}  // namespace kv::inspect
