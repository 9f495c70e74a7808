#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kv::inspect {

// What a file's first bytes say it is.
enum class Format : uint8_t {
    Unknown,
    // video and audio containers
    Avi, Wav, Matroska, Mp4, Mov, MpegPs, MpegVideo, MpegTs, Asf, Flv, Ogg, Flac, Mp3, RealMedia,
    // disc images
    Iso9660,
    // archives and compressed streams
    Zip, Rar4, Rar5, SevenZip, Cab, Gzip, Bzip2, Xz,
    // documents and pictures
    Pdf, Jpeg, Png, Gif, Webp,
    // programs
    Pe, Elf, ShellScript, BatchScript,
};
inline constexpr int kFormatCount = static_cast<int>(Format::BatchScript) + 1;

// What a file is for, from the user's point of view.
enum class Category : uint8_t { Unknown, Video, Audio, Image, DiscImage, Archive, Document, Executable };

struct ContentType {
    Format format = Format::Unknown;
    bool encrypted = false;   // ZIP/RAR entries or headers marked encrypted
    bool drm = false;         // ASF with a content encryption object
    std::string licenceUrl;   // where a DRM-locked ASF sends the user; may be empty
};

Category CategoryOf(Format f);
// "AVI video", "a ZIP archive", "a Windows program", ... (for "the data is ...").
std::string_view Describe(Format f);

// Identifies the data from its first bytes (up to 64 KiB; ISO 9660 needs
// 0x8006). Cheap: fixed-offset checks and bounded header walks, no copies
// except a DRM licence URL.
ContentType Sniff(std::string_view head);

}  // namespace kv::inspect
