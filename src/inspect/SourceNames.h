#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ed2k/Download.h"
#include "inspect/Suspicion.h"

namespace kv::inspect {

class Detector;

// What the names a media download's sources give it say, against its own name:
//  - a program, an archive, or a document with a bait word ("setup.exe",
//    "password.rar", "codec.zip", "password.txt"): a suspect from two such
//    sources or a quarter of them, a note for one among many;
//  - another title, where no source shares a word of the download's title:
//    a suspect from two sources, a note for one.
// Left alone: honest variants (languages, release tags, years, another video
// extension), titles in a script other than plain letters (a translation it
// cannot read), names that share any title word, and downloads that are not
// media (an archive or a program may go by many names).
std::optional<Suspicion> JudgeSourceNames(std::string_view name, const std::vector<SourceName>& sources);

std::unique_ptr<Detector> MakeSourceNamesDetector();

}  // namespace kv::inspect
