#pragma once

#include <cstdint>
#include <string_view>

#include "inspect/ByteView.h"
#include "inspect/ContentType.h"

namespace kv::inspect {

// How a video codec spends its bits, which bounds the bits a pixel it needs.
enum class VideoFamily : uint8_t {
    None,       // no video track described in the head
    Lossy,      // MPEG-4 ASP, H.264/HEVC/AV1/VP8/VP9, WMV, ...
    Intra,      // every frame on its own: ProRes, DNxHD/HR, MJPEG, DV, H.264 intra
    Lossless,   // FFV1, HuffYUV, UT Video, lossless H.264/HEVC, ...
    Raw,        // uncompressed: UYVY, v210, rawvideo
    Undecided,  // a codec not known here, or one whose header does not tell
};

// The first video track's codec and picture.
struct VideoTrack {
    VideoFamily family = VideoFamily::None;
    uint32_t width = 0, height = 0;
    double fps = 0;  // 0 when the head does not say
};

// What the head says of the tracks a media container holds.
struct MediaTracks {
    bool complete = false;  // the whole track list was in the head (every track is known)
    bool video = false, audio = false;
    bool opus = false;      // Ogg: its audio is Opus
    bool audioBrand = false;  // MP4: the file type says audio (M4A, M4B, ...) even where the tracks are not in the head
    VideoTrack picture;
};

// AVI (strh/strf), Matroska (Tracks), MP4 and QuickTime (moov's traks: stsd,
// mdhd, stts), ASF (stream properties; the frame rate from
// extended stream properties), FLV (onMetaData and the AVC sequence
// header), Ogg (the streams' first pages). Empty for other formats.
MediaTracks ReadTracks(Format f, const ByteView& b);

// An EBML variable-length integer (Matroska); the marker bit is kept for ids,
// dropped for sizes. `unknown` when a size has all its value bits set.
bool EbmlVint(const ByteView& b, uint64_t& at, bool keepMarker, uint64_t& v, bool* unknown = nullptr);

// What a container holding nothing but sound is called ("MP4 audio", "Opus
// audio", ...), when every one of its tracks is known (or an MP4's file type
// says audio and no video track was seen); empty otherwise.
std::string_view AudioOnlyName(Format f, const MediaTracks& t);

// The family of a codec stored under a Video for Windows or QuickTime four-character code.
VideoFamily FamilyOfFourcc(std::string_view code);

// The H.264 family from an avcC record (profile, constraint flags, the first
// SPS): lossless when transform bypass is on, intra for the intra profiles.
VideoFamily FamilyOfAvcC(std::string_view avcC);
// The HEVC family from an hvcC record: lossless when the PPS allows transquant bypass.
VideoFamily FamilyOfHvcC(std::string_view hvcC);

}  // namespace kv::inspect
