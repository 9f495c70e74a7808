#include "inspect/Extension.h"

#include <array>

namespace kv::inspect {

namespace {

using F = Format;
using C = Category;

constexpr uint64_t kMpeg = Bit(F::MpegPs) | Bit(F::MpegVideo) | Bit(F::MpegTs);
constexpr uint64_t kIsoMedia = Bit(F::Mp4) | Bit(F::Mov);
constexpr uint64_t kZipDocument = Bit(F::OfficeDoc) | Bit(F::Zip);
constexpr uint64_t kText = Bit(F::Text) | Bit(F::Html) | Bit(F::Playlist);

struct Entry {
    std::string_view ext;
    NameClaim claim;
};

// Extensions seen on the networks, lower case. A claim without accepted
// formats is judged by category only (nothing is known of its signature).
constexpr Entry kEntries[] = {
    {"avi", {C::Video, "AVI video", Bit(F::Avi)}},
    {"divx", {C::Video, "DivX video", Bit(F::Avi)}},
    {"xvid", {C::Video, "Xvid video", Bit(F::Avi)}},
    {"mkv", {C::Video, "Matroska video", Bit(F::Matroska)}},
    {"mk3d", {C::Video, "Matroska video", Bit(F::Matroska)}},
    {"webm", {C::Video, "WebM video", Bit(F::Matroska)}},
    {"mp4", {C::Video, "MP4 video", kIsoMedia}},
    {"m4v", {C::Video, "MP4 video", kIsoMedia}},
    {"mov", {C::Video, "QuickTime video", kIsoMedia}},
    {"qt", {C::Video, "QuickTime video", kIsoMedia}},
    {"3gp", {C::Video, "3GP video", kIsoMedia}},
    {"f4v", {C::Video, "Flash MP4 video", kIsoMedia}},
    {"mpg", {C::Video, "MPEG video", kMpeg}},
    {"mpeg", {C::Video, "MPEG video", kMpeg}},
    {"mpe", {C::Video, "MPEG video", kMpeg}},
    {"m2v", {C::Video, "MPEG video", kMpeg}},
    {"vob", {C::Video, "DVD video", kMpeg}},
    {"ts", {C::Video, "an MPEG transport stream", kMpeg}},
    {"m2ts", {C::Video, "an MPEG transport stream", kMpeg}},
    {"mts", {C::Video, "an MPEG transport stream", kMpeg}},
    {"wmv", {C::Video, "Windows Media video", Bit(F::Asf)}},
    {"asf", {C::Video, "Windows Media video", Bit(F::Asf)}},
    {"flv", {C::Video, "Flash video", Bit(F::Flv)}},
    {"swf", {C::Video, "a Flash movie", Bit(F::Swf)}},
    {"ogm", {C::Video, "Ogg video", Bit(F::Ogg)}},
    {"ogv", {C::Video, "Ogg video", Bit(F::Ogg)}},
    {"rm", {C::Video, "RealMedia video", Bit(F::RealMedia)}},
    {"ram", {C::Video, "RealMedia video", Bit(F::RealMedia) | Bit(F::Playlist) | Bit(F::Text)}},
    {"rmvb", {C::Video, "RealMedia video", Bit(F::RealMedia)}},
    {"mp3", {C::Audio, "MP3 audio", Bit(F::Mp3)}},
    {"mp2", {C::Audio, "MPEG audio", Bit(F::Mp3)}},
    {"mpa", {C::Audio, "MPEG audio", Bit(F::Mp3)}},
    {"wma", {C::Audio, "Windows Media audio", Bit(F::Asf)}},
    {"ogg", {C::Audio, "Ogg audio", Bit(F::Ogg)}},
    {"oga", {C::Audio, "Ogg audio", Bit(F::Ogg) | Bit(F::Flac)}},
    {"opus", {C::Audio, "Opus audio", Bit(F::Ogg)}},
    {"flac", {C::Audio, "FLAC audio", Bit(F::Flac) | Bit(F::Ogg)}},
    {"wav", {C::Audio, "WAV audio", Bit(F::Wav)}},
    {"mka", {C::Audio, "Matroska audio", Bit(F::Matroska)}},
    {"m4a", {C::Audio, "MP4 audio", kIsoMedia}},
    {"m4b", {C::Audio, "MP4 audio", kIsoMedia}},
    {"aac", {C::Audio, "AAC audio", Bit(F::Adts) | Bit(F::Mp3) | kIsoMedia}},  // often behind an ID3 tag
    {"ra", {C::Audio, "RealAudio", Bit(F::RealMedia)}},
    {"ac3", {C::Audio, "AC-3 audio", Bit(F::Ac3)}},
    {"dts", {C::Audio, "DTS audio", Bit(F::Dts) | Bit(F::Wav)}},  // DTS CDs are ripped as WAV
    {"wv", {C::Audio, "WavPack audio", Bit(F::WavPack)}},
    {"mpc", {C::Audio, "Musepack audio", Bit(F::Musepack) | Bit(F::Mp3)}},
    {"tta", {C::Audio, "TTA audio", Bit(F::Tta) | Bit(F::Mp3)}},
    {"aif", {C::Audio, "AIFF audio", Bit(F::Aiff)}},
    {"aiff", {C::Audio, "AIFF audio", Bit(F::Aiff)}},
    {"aifc", {C::Audio, "AIFF audio", Bit(F::Aiff)}},
    {"mid", {C::Audio, "MIDI music", Bit(F::Midi)}},
    {"midi", {C::Audio, "MIDI music", Bit(F::Midi)}},
    {"kar", {C::Audio, "MIDI music", Bit(F::Midi)}},
    {"alac", {C::Audio, "MP4 audio", kIsoMedia}},
    {"ape", {C::Audio, "Monkey's Audio", Bit(F::Ape) | Bit(F::Mp3)}},  // Mp3: behind an ID3 tag
    {"iso", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"bin", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"img", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"nrg", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"mdf", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"cdi", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"udf", {C::DiscImage, "a disc image", Bit(F::Iso9660)}},
    {"dmg", {C::DiscImage, "a disc image", 0}},
    {"jpg", {C::Image, "a JPEG image", Bit(F::Jpeg)}},
    {"jpeg", {C::Image, "a JPEG image", Bit(F::Jpeg)}},
    {"jpe", {C::Image, "a JPEG image", Bit(F::Jpeg)}},
    {"png", {C::Image, "a PNG image", Bit(F::Png)}},
    {"gif", {C::Image, "a GIF image", Bit(F::Gif)}},
    {"webp", {C::Image, "a WebP image", Bit(F::Webp)}},
    {"bmp", {C::Image, "a bitmap image", 0}},  // pictures under another picture name open anyway
    {"tif", {C::Image, "a TIFF image", 0}},
    {"tiff", {C::Image, "a TIFF image", 0}},
    {"zip", {C::Archive, "a ZIP archive", Bit(F::Zip)}},
    {"rar", {C::Archive, "a RAR archive", Bit(F::Rar4) | Bit(F::Rar5)}},
    {"7z", {C::Archive, "a 7-Zip archive", Bit(F::SevenZip)}},
    {"cab", {C::Archive, "a cabinet archive", Bit(F::Cab)}},
    {"gz", {C::Archive, "a gzip archive", Bit(F::Gzip)}},
    {"tgz", {C::Archive, "a gzip archive", Bit(F::Gzip)}},
    {"bz2", {C::Archive, "a bzip2 archive", Bit(F::Bzip2)}},
    {"xz", {C::Archive, "an xz archive", Bit(F::Xz)}},
    {"tar", {C::Archive, "a tar archive", Bit(F::Tar)}},
    {"arj", {C::Archive, "an ARJ archive", Bit(F::Arj)}},
    {"ace", {C::Archive, "an ACE archive", 0}},
    {"pdf", {C::Document, "a PDF document", Bit(F::Pdf)}},
    {"doc", {C::Document, "a document", Bit(F::Ole)}},
    {"xls", {C::Document, "a document", Bit(F::Ole)}},
    {"ppt", {C::Document, "a document", Bit(F::Ole)}},
    {"docx", {C::Document, "a document", kZipDocument}},
    {"xlsx", {C::Document, "a document", kZipDocument}},
    {"pptx", {C::Document, "a document", kZipDocument}},
    {"odt", {C::Document, "a document", kZipDocument}},
    {"ods", {C::Document, "a document", kZipDocument}},
    {"odp", {C::Document, "a document", kZipDocument}},
    {"rtf", {C::Document, "a document", Bit(F::Text)}},
    {"txt", {C::Document, "a text file", kText}},
    {"nfo", {C::Document, "a text file", kText}},
    {"srt", {C::Document, "subtitles", kText}},
    {"sub", {C::Document, "subtitles", kText}},
    {"ssa", {C::Document, "subtitles", kText}},
    {"ass", {C::Document, "subtitles", kText}},
    {"idx", {C::Document, "subtitles", kText}},
    {"cue", {C::Document, "a cue sheet", kText}},
    {"sfv", {C::Document, "a checksum list", kText}},
    {"md5", {C::Document, "a checksum list", kText}},
    {"m3u", {C::Document, "a playlist", kText}},
    {"m3u8", {C::Document, "a playlist", kText}},
    {"pls", {C::Document, "a playlist", kText}},
    {"asx", {C::Document, "a playlist", kText}},
    {"wpl", {C::Document, "a playlist", kText}},
    {"htm", {C::Document, "a web page", kText}},
    {"html", {C::Document, "a web page", kText}},
    {"epub", {C::Document, "an e-book", kZipDocument}},
    {"chm", {C::Document, "a help file", Bit(F::Chm)}},
    {"djvu", {C::Document, "a document", Bit(F::DjVu)}},
    {"djv", {C::Document, "a document", Bit(F::DjVu)}},
    {"cbr", {C::Document, "a comic book", Bit(F::Rar4) | Bit(F::Rar5)}},
    {"cbz", {C::Document, "a comic book", Bit(F::Zip)}},
    {"exe", {C::Executable, "a program", 0}},
    {"scr", {C::Executable, "a program", 0}},
    {"pif", {C::Executable, "a program", 0}},
    {"com", {C::Executable, "a program", 0}},
    {"bat", {C::Executable, "a program", 0}},
    {"cmd", {C::Executable, "a program", 0}},
    {"vbs", {C::Executable, "a program", 0}},
    {"vbe", {C::Executable, "a program", 0}},
    {"js", {C::Executable, "a program", 0}},
    {"jse", {C::Executable, "a program", 0}},
    {"wsf", {C::Executable, "a program", 0}},
    {"hta", {C::Executable, "a program", 0}},
    {"msi", {C::Executable, "a program", 0}},
    {"lnk", {C::Executable, "a program", 0}},
    {"cpl", {C::Executable, "a program", 0}},
    {"dll", {C::Executable, "a program", 0}},
    {"sh", {C::Executable, "a program", 0}},
    {"run", {C::Executable, "a program", 0}},
    {"jar", {C::Executable, "a program", 0}},
    {"apk", {C::Executable, "a program", 0}},
    {"deb", {C::Executable, "a program", 0}},
    {"rpm", {C::Executable, "a program", 0}},
};

constexpr NameClaim kRarVolume{C::Archive, "a RAR archive", Bit(F::Rar4) | Bit(F::Rar5)};

}  // namespace

std::string_view LastExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    return name.substr(dot + 1);
}

std::optional<NameClaim> ClaimOfExtension(std::string_view ext) {
    std::array<char, 8> lower{};  // no extension we know is longer
    if (ext.empty() || ext.size() > lower.size()) return std::nullopt;
    for (size_t i = 0; i < ext.size(); ++i) {
        const char c = ext[i];
        lower[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view key(lower.data(), ext.size());
    for (const auto& e : kEntries)
        if (e.ext == key) return e.claim;
    // Old-style RAR volumes: .r00, .r01, ...
    if (key.size() == 3 && key[0] == 'r' && key[1] >= '0' && key[1] <= '9' && key[2] >= '0' && key[2] <= '9')
        return kRarVolume;
    return std::nullopt;
}

std::optional<NameClaim> ClaimOfName(std::string_view name) { return ClaimOfExtension(LastExtension(name)); }

}  // namespace kv::inspect
