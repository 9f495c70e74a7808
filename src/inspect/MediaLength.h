#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "inspect/ContentType.h"

namespace kv::inspect {

// What a container says of its own length, from its head alone.
struct DeclaredLength {
    std::optional<uint64_t> bytes;   // the whole file, as its headers state it
    uint64_t bytesLimit = UINT64_MAX;  // the most its size field can state (RIFF and Xing: 32 bits)
    std::optional<double> seconds;   // its play time
    std::optional<double> maxBitRate;  // bits a second no real file of this kind exceeds
    uint64_t metaBytes = 0;          // pictures, tags, attachments and indexes whose sizes the head gives
    // When maxBitRate comes from the picture of lossy video: its pixels a
    // second and the most bits a pixel such video spends.
    double pixelRate = 0, maxBitsPerPixel = 0;
    uint32_t width = 0, height = 0;
};

// AVI (RIFF size; OpenDML dmlh frames), ASF (File Properties; nothing when
// broadcast), Matroska (Segment size, unless unknown; Info duration), MP4 and
// QuickTime (top-level boxes; mvhd; nothing when fragmented), MP3 (Xing/Info,
// VBRI), FLAC (STREAMINFO samples), WAV (RIFF and data sizes), FLV
// (onMetaData). Fields stay empty where the head does not say, or says a
// placeholder. A video container's ceiling follows its video codec and
// picture: none for intra, lossless and raw video or a codec not known here.
DeclaredLength ReadDeclaredLength(const ContentType& t, std::string_view head);

}  // namespace kv::inspect
