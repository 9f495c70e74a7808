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
    // an Internet shortcut (.url), a JScript or VBScript file
    InternetShortcut, WindowsScript,
};
inline constexpr int kFormatCount = static_cast<int>(Format::WindowsScript) + 1;
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
    int scriptFiles = 0;      // ASF: FILENAME commands that open a web address
    std::string urls;         // their addresses, or a playlist's or shortcut's, joined by " "
    uint64_t textLength = 0;  // text formats: the text's bytes before any zero padding
    // Where the container's own structure breaks off after a sound header
    // (packets, clusters, chunks, boxes or packs of no known form), 0 when it
    // holds for as far as the head shows or cannot be told.
    uint64_t junkFrom = 0;
};

Category CategoryOf(Format f);
// "AVI video", "a ZIP archive", "a Windows program", ... (for "the data is ...").
std::string_view Describe(Format f);
// A container's header as a verdict names it ("AVI header"), for a front end to translate.
std::string_view HeaderName(Format f);

// Whether the arrived head holds a disc or disk image's structure where it
// belongs: volume descriptors at 32 KiB (ISO 9660, UDF; 2,048-byte or raw
// sectors), a partition table, a file system's boot sector, a compressed
// image's header. Only the bytes in `head` are looked at.
bool HasDiscStructure(std::string_view head);

// Formats whose data is media a player opens whatever the name says.
bool IsPlayableMedia(Format f);

// Identifies the data from its first bytes (up to 64 KiB; ISO 9660 needs
// 0x8006). Cheap: fixed-offset checks and bounded header walks, no copies
// except a DRM licence URL.
ContentType Sniff(std::string_view head);

}  // namespace kv::inspect
