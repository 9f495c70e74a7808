#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ed2k/Download.h"
#include "inspect/ArrivedHead.h"
#include "inspect/ContentType.h"
#include "inspect/NameRules.h"
#include "inspect/ZeroParts.h"

namespace kv::inspect {

// How strongly a finding says "fake", weakest first.
enum class Strength {
    SelfExtractor = 1,  // a program named as an archive: often a self-extracting one
    TypeMismatch,       // media, picture or disc data of another type than the name says
    MostlyZeros,        // at least half of the full parts are empty
    ProgramName,        // the name hides a program extension
    ProgramContent,     // the data is a program or script, the name says otherwise
    ArchiveAsMedia,     // an archive named as video, audio, a picture or a disc image
    DrmMedia,           // Windows Media locked by DRM: a licence page, not the film
};

struct Suspicion {
    Strength strength;
    std::string reason;  // begins in lower case; see SuspectText
    bool operator==(const Suspicion&) const = default;
};

struct InspectOptions {
    bool names = true;       // InspectName on the download's name
    bool partHashes = true;  // InspectPartHashes on its part hashes
    bool content = true;     // read the arrived head of the .part and sniff it
};

// The data against what the name claims. Never flags a name that claims
// nothing known or a program, data of unknown type, or data that fits the name
// (.mp4 holding QuickTime, .mpg holding a transport stream, .webm holding
// Matroska, ...). Names of archives and documents are only checked for
// programs; a Windows program named as an archive is only SelfExtractor.
std::optional<Suspicion> JudgeContent(std::string_view name, std::string_view head);
std::optional<std::string> InspectContent(std::string_view name, std::string_view head);

// Name rules, zero parts and, when its head has arrived, the content: the
// strongest finding (the content's first on a tie, then the name's).
std::optional<Suspicion> JudgeDownload(const Download& d, const std::string& partPath,
                                       const InspectOptions& options = {});
std::optional<std::string> InspectDownload(const Download& d, const std::string& partPath,
                                           const InspectOptions& options = {});

// The text the user sees: "Suspect: " + reason.
std::string SuspectText(const std::string& reason);

}  // namespace kv::inspect
