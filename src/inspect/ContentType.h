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
    // more audio and video
    Aiff, Midi, WavPack, Musepack, Tta, Ape, Ac3, Dts, Adts, Swf,
    // more pictures, archives, documents, programs
    Bmp, Tiff, DjVu, Arj, Tar, Chm, OfficeDoc, Ole, Msi,
    // pages, text and pointers elsewhere
    Html, Text, ShellLink, Playlist,
};
inline constexpr int kFormatCount = static_cast<int>(Format::Playlist) + 1;
static_assert(kFormatCount <= 64, "formats are bits of a uint64_t");

// What a file is for, from the user's point of view.
enum class Category : uint8_t { Unknown, Video, Audio, Image, DiscImage, Archive, Document, Executable };

struct ContentType {
    Format format = Format::Unknown;
    bool encrypted = false;   // ZIP/RAR entries or headers marked encrypted
    bool drm = false;         // ASF with a content encryption object
    std::string licenceUrl;   // where a DRM-locked ASF sends the user; may be empty
    uint16_t wavCodec = 0;    // RIFF WAVE: the fmt chunk's format tag (1 PCM, 0x55 MP3)
    int scriptUrls = 0;       // ASF: URL commands of a Script Command object
    std::string urls;         // their addresses, or a playlist's, joined by " "
};

Category CategoryOf(Format f);
// "AVI video", "a ZIP archive", "a Windows program", ... (for "the data is ...").
std::string_view Describe(Format f);

// Formats whose data is media a player opens whatever the name says.
bool IsPlayableMedia(Format f);

// Identifies the data from its first bytes (up to 64 KiB; ISO 9660 needs
// 0x8006). Cheap: fixed-offset checks and bounded header walks, no copies
// except a DRM licence URL.
ContentType Sniff(std::string_view head);

}  // namespace kv::inspect
