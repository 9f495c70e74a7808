#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ed2k/Ed2kHash.h"

namespace kv {

// A run of bytes of a file, [begin, end).
struct ByteRange {
    uint64_t begin = 0;
    uint64_t end = 0;
    bool operator==(const ByteRange&) const = default;
};

// A name the download's sources share it under, and how many of them do.
struct SourceName {
    std::string name;
    uint32_t count = 0;
    bool operator==(const SourceName&) const = default;
};

// One unfinished download, as its .part.met describes it.
struct Download {
    std::string metFile;                 // the .met file's name in the temp directory
    std::string name;                    // bytes as stored, a leading UTF-8 byte-order mark dropped
    bool hasName = false;
    uint64_t size = 0;
    bool hasSize = false;
    std::optional<Ed2kHash> hash;        // none when the layout is unknown or the file is short
    std::vector<Ed2kHash> partHashes;    // one per 9,728,000-byte part, as the client stores them
    std::vector<ByteRange> gaps;         // ranges still missing, sorted, clipped to the size
    // What the client noted while downloading; absent when it wrote nothing.
    std::string corruptedParts{};              // FT_CORRUPTEDPARTS: part numbers joined by ","
    std::optional<uint64_t> corruptedBytes{};  // FT_CORRUPTED (eMule): bytes lost to corruption
    std::optional<uint64_t> lastSeenComplete{};  // FT_LASTSEENCOMPLETE: unix time, 0 = never
    std::optional<uint64_t> activeSeconds{};   // FT_DL_ACTIVE_TIME: time spent downloading
    std::optional<uint64_t> mediaLength{};     // FT_MEDIA_LENGTH: seconds, from the search result
    // The names its sources give it, when the client was asked (aMule over EC); empty otherwise.
    std::vector<SourceName> sourceNames{};
};

}  // namespace kv
