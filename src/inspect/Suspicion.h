#pragma once

#include <cstdint>
#include <string>

#include "common/Translator.h"

namespace kv::inspect {

// How strongly a finding says "fake", weakest first; the strongest is shown.
enum class Strength {
    Playable = 0,       // media of another container than the name says: it plays (a note)
    SelfExtractor,      // a program named as an archive: often a self-extracting one
    ClientSawDamage,    // the client saw corrupted parts, or never a complete copy
    SourceNames,        // the sources share it as a program, an archive or another title
    TypeMismatch,       // media, picture or disc data of another type than the name says
    DurationMismatch,   // the container's duration against the size or the published length
    PaddedClip,         // the published size is several times the container's own length
    MostlyZeros,        // at least half of the full parts are empty
    Junk,               // no format at all under a media name: random bytes, one byte, a pattern
    ProgramName,        // the name hides a program extension
    ProgramContent,     // the data is a program or script, the name says otherwise
    PageAsMedia,        // a web page, text, shortcut, playlist or document named as media
    ArchiveAsMedia,     // an archive named as video, audio, a picture or a disc image
    ScriptedMedia,      // Windows Media that opens web pages while it plays
    DrmMedia,           // Windows Media locked by DRM: a licence page, not the film
};

// Suspect: strong evidence, counted and shown. Note: weak, shown in the row
// but not counted and not changing the exit status.
enum class Severity : uint8_t { Suspect, Note };

// What was found, as figures the front ends can word; ReasonText words it the
// way the check and its tests show it. The fields a kind uses:
enum class ReasonKind : uint8_t {
    None,
    Content,           // claim, data (what it is), detail (appended, worded by detailPattern when set)
    PlayableContent,   // data ("Matroska video"), ext (the name's extension)
    ProgramBehindName, // claim, ext (inner extension), ext2 (program extension), count (blanks)
    ProgramBehindBlanks,  // ext2, count (blanks)
    RightToLeftMark,
    MostlyZeros,       // count (empty parts), total (full parts)
    PaddedClip,        // data (container), count (its own length in bytes), total (published size)
    TooShortForSize,   // data, seconds (declared), count (implied bit/s), total (published size), limit (bit/s)
    LengthMismatch,    // data, seconds (declared), count (published seconds)
    Junk,              // claim, data (what the bytes look like), count (bytes looked at)
    ScriptCommands,    // claim, detail (the addresses), count (URL commands), total (FILENAME commands)
    CorruptedParts,    // detail (the part numbers), count (how many)
    CorruptedBytes,    // count (bytes lost), total (published size)
    NeverComplete,     // count (seconds spent downloading)
    ZeroPart,          // a published part hash is the hash of an empty part
    ClientRatings,     // count (sources rating it Fake), total (sources rating it), detail (their comment)
    TooShortForPicture,  // data, seconds, total (published size), detail (the picture, "640x272"),
                         // count and limit (bits a pixel implied and the most, in hundredths)
    HeaderOnJunk,      // claim, data (the header: "AVI header"), count (the byte where the structure breaks off)
    SourceNamesBait,   // detail (the names, joined by "', '"), count (sources using them), total (sources named)
    SourceNamesOtherTitle,  // as SourceNamesBait: names of another title
};

struct Reason {
    ReasonKind kind = ReasonKind::None;
    std::string claim{};   // what the name promises: "AVI video"
    std::string data{};    // what the data is: "a ZIP archive"
    std::string detail{};  // text the sentence quotes: addresses, part numbers
    std::string detailPattern{};  // a Content detail's words, %1 the detail: " that opens %1"
    std::string ext{}, ext2{};
    uint64_t count = 0, total = 0, limit = 0;
    double seconds = 0;
    bool operator==(const Reason&) const = default;
};

// The sentence the check shows for a reason, in lower case ("claims AVI
// video, the data is a ZIP archive"); see SuspectText. A front end passes its
// translator, which also words the names of types (claim, data) that are
// the tables' own; quoted details stay as found.
std::string ReasonText(const Reason& why, const Translator& tr = Untranslated());

struct Suspicion {
    Strength strength;
    std::string reason;                   // ReasonText(why), or a caller's own text
    Severity severity = Severity::Suspect;
    Reason why{};                         // the figures behind the sentence
    // Two findings are the same when they say the same thing equally strongly.
    bool operator==(const Suspicion& o) const {
        return strength == o.strength && reason == o.reason && severity == o.severity;
    }
};

// A finding with its sentence built from its reason.
Suspicion MakeSuspicion(Strength strength, Reason why, Severity severity = Severity::Suspect);

}  // namespace kv::inspect
