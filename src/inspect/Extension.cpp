#include "inspect/Extension.h"

#include "common/Translator.h"

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
    {"avi", {C::Video, QT_TRANSLATE_NOOP("Types", "AVI video"), Bit(F::Avi)}},
    {"divx", {C::Video, QT_TRANSLATE_NOOP("Types", "DivX video"), Bit(F::Avi)}},
    {"xvid", {C::Video, QT_TRANSLATE_NOOP("Types", "Xvid video"), Bit(F::Avi)}},
    {"mkv", {C::Video, QT_TRANSLATE_NOOP("Types", "Matroska video"), Bit(F::Matroska)}},
    {"mk3d", {C::Video, QT_TRANSLATE_NOOP("Types", "Matroska video"), Bit(F::Matroska)}},
    {"webm", {C::Video, QT_TRANSLATE_NOOP("Types", "WebM video"), Bit(F::Matroska)}},
    {"mp4", {C::Video, QT_TRANSLATE_NOOP("Types", "MP4 video"), kIsoMedia}},
    {"m4v", {C::Video, QT_TRANSLATE_NOOP("Types", "MP4 video"), kIsoMedia}},
    {"mov", {C::Video, QT_TRANSLATE_NOOP("Types", "QuickTime video"), kIsoMedia}},
    {"qt", {C::Video, QT_TRANSLATE_NOOP("Types", "QuickTime video"), kIsoMedia}},
    {"3gp", {C::Video, QT_TRANSLATE_NOOP("Types", "3GP video"), kIsoMedia}},
    {"f4v", {C::Video, QT_TRANSLATE_NOOP("Types", "Flash MP4 video"), kIsoMedia}},
    {"mpg", {C::Video, QT_TRANSLATE_NOOP("Types", "MPEG video"), kMpeg}},
    {"mpeg", {C::Video, QT_TRANSLATE_NOOP("Types", "MPEG video"), kMpeg}},
    {"mpe", {C::Video, QT_TRANSLATE_NOOP("Types", "MPEG video"), kMpeg}},
    {"m2v", {C::Video, QT_TRANSLATE_NOOP("Types", "MPEG video"), kMpeg}},
    {"vob", {C::Video, QT_TRANSLATE_NOOP("Types", "DVD video"), kMpeg}},
    {"ts", {C::Video, QT_TRANSLATE_NOOP("Types", "an MPEG transport stream"), kMpeg}},
    {"m2ts", {C::Video, QT_TRANSLATE_NOOP("Types", "an MPEG transport stream"), kMpeg}},
    {"mts", {C::Video, QT_TRANSLATE_NOOP("Types", "an MPEG transport stream"), kMpeg}},
    {"wmv", {C::Video, QT_TRANSLATE_NOOP("Types", "Windows Media video"), Bit(F::Asf)}},
    {"asf", {C::Video, QT_TRANSLATE_NOOP("Types", "Windows Media video"), Bit(F::Asf)}},
    {"flv", {C::Video, QT_TRANSLATE_NOOP("Types", "Flash video"), Bit(F::Flv)}},
    {"swf", {C::Video, QT_TRANSLATE_NOOP("Types", "a Flash movie"), Bit(F::Swf)}},
    {"ogm", {C::Video, QT_TRANSLATE_NOOP("Types", "Ogg video"), Bit(F::Ogg)}},
    {"ogv", {C::Video, QT_TRANSLATE_NOOP("Types", "Ogg video"), Bit(F::Ogg)}},
    {"rm", {C::Video, QT_TRANSLATE_NOOP("Types", "RealMedia video"), Bit(F::RealMedia)}},
    {"ram", {C::Video, QT_TRANSLATE_NOOP("Types", "RealMedia video"), Bit(F::RealMedia) | Bit(F::Playlist) | Bit(F::Text)}},
    {"rmvb", {C::Video, QT_TRANSLATE_NOOP("Types", "RealMedia video"), Bit(F::RealMedia)}},
    {"mp3", {C::Audio, QT_TRANSLATE_NOOP("Types", "MP3 audio"), Bit(F::Mp3)}},
    {"mp2", {C::Audio, QT_TRANSLATE_NOOP("Types", "MPEG audio"), Bit(F::Mp3)}},
    {"mpa", {C::Audio, QT_TRANSLATE_NOOP("Types", "MPEG audio"), Bit(F::Mp3)}},
    {"wma", {C::Audio, QT_TRANSLATE_NOOP("Types", "Windows Media audio"), Bit(F::Asf)}},
    {"ogg", {C::Audio, QT_TRANSLATE_NOOP("Types", "Ogg audio"), Bit(F::Ogg)}},
    {"oga", {C::Audio, QT_TRANSLATE_NOOP("Types", "Ogg audio"), Bit(F::Ogg) | Bit(F::Flac)}},
    {"opus", {C::Audio, QT_TRANSLATE_NOOP("Types", "Opus audio"), Bit(F::Ogg)}},
    {"flac", {C::Audio, QT_TRANSLATE_NOOP("Types", "FLAC audio"), Bit(F::Flac) | Bit(F::Ogg)}},
    {"wav", {C::Audio, QT_TRANSLATE_NOOP("Types", "WAV audio"), Bit(F::Wav)}},
    {"mka", {C::Audio, QT_TRANSLATE_NOOP("Types", "Matroska audio"), Bit(F::Matroska)}},
    {"m4a", {C::Audio, QT_TRANSLATE_NOOP("Types", "MP4 audio"), kIsoMedia}},
    {"m4b", {C::Audio, QT_TRANSLATE_NOOP("Types", "MP4 audio"), kIsoMedia}},
    {"aac", {C::Audio, QT_TRANSLATE_NOOP("Types", "AAC audio"), Bit(F::Adts) | Bit(F::Mp3) | kIsoMedia}},  // often behind an ID3 tag
    {"ra", {C::Audio, QT_TRANSLATE_NOOP("Types", "RealAudio"), Bit(F::RealMedia)}},
    {"ac3", {C::Audio, QT_TRANSLATE_NOOP("Types", "AC-3 audio"), Bit(F::Ac3)}},
    {"dts", {C::Audio, QT_TRANSLATE_NOOP("Types", "DTS audio"), Bit(F::Dts) | Bit(F::Wav)}},  // DTS CDs are ripped as WAV
    {"wv", {C::Audio, QT_TRANSLATE_NOOP("Types", "WavPack audio"), Bit(F::WavPack)}},
    {"mpc", {C::Audio, QT_TRANSLATE_NOOP("Types", "Musepack audio"), Bit(F::Musepack) | Bit(F::Mp3)}},
    {"tta", {C::Audio, QT_TRANSLATE_NOOP("Types", "TTA audio"), Bit(F::Tta) | Bit(F::Mp3)}},
    {"aif", {C::Audio, QT_TRANSLATE_NOOP("Types", "AIFF audio"), Bit(F::Aiff)}},
    {"aiff", {C::Audio, QT_TRANSLATE_NOOP("Types", "AIFF audio"), Bit(F::Aiff)}},
    {"aifc", {C::Audio, QT_TRANSLATE_NOOP("Types", "AIFF audio"), Bit(F::Aiff)}},
    {"mid", {C::Audio, QT_TRANSLATE_NOOP("Types", "MIDI music"), Bit(F::Midi)}},
    {"midi", {C::Audio, QT_TRANSLATE_NOOP("Types", "MIDI music"), Bit(F::Midi)}},
    {"kar", {C::Audio, QT_TRANSLATE_NOOP("Types", "MIDI music"), Bit(F::Midi)}},
    {"alac", {C::Audio, QT_TRANSLATE_NOOP("Types", "MP4 audio"), kIsoMedia}},
    {"ape", {C::Audio, QT_TRANSLATE_NOOP("Types", "Monkey's Audio"), Bit(F::Ape) | Bit(F::Mp3)}},  // Mp3: behind an ID3 tag
    {"iso", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    // Linux self-extracting installers are named .bin too: a program under its own name.
    {"bin", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660) | Bit(F::Elf) | Bit(F::ShellScript)}},
    {"img", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    {"nrg", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    {"mdf", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    {"cdi", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    {"udf", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), Bit(F::Iso9660)}},
    {"dmg", {C::DiscImage, QT_TRANSLATE_NOOP("Types", "a disc image"), 0}},
    {"jpg", {C::Image, QT_TRANSLATE_NOOP("Types", "a JPEG image"), Bit(F::Jpeg)}},
    {"jpeg", {C::Image, QT_TRANSLATE_NOOP("Types", "a JPEG image"), Bit(F::Jpeg)}},
    {"jpe", {C::Image, QT_TRANSLATE_NOOP("Types", "a JPEG image"), Bit(F::Jpeg)}},
    {"png", {C::Image, QT_TRANSLATE_NOOP("Types", "a PNG image"), Bit(F::Png)}},
    {"gif", {C::Image, QT_TRANSLATE_NOOP("Types", "a GIF image"), Bit(F::Gif)}},
    {"webp", {C::Image, QT_TRANSLATE_NOOP("Types", "a WebP image"), Bit(F::Webp)}},
    {"bmp", {C::Image, QT_TRANSLATE_NOOP("Types", "a bitmap image"), 0}},  // pictures under another picture name open anyway
    {"tif", {C::Image, QT_TRANSLATE_NOOP("Types", "a TIFF image"), 0}},
    {"tiff", {C::Image, QT_TRANSLATE_NOOP("Types", "a TIFF image"), 0}},
    {"zip", {C::Archive, QT_TRANSLATE_NOOP("Types", "a ZIP archive"), Bit(F::Zip)}},
    {"rar", {C::Archive, QT_TRANSLATE_NOOP("Types", "a RAR archive"), Bit(F::Rar4) | Bit(F::Rar5)}},
    {"7z", {C::Archive, QT_TRANSLATE_NOOP("Types", "a 7-Zip archive"), Bit(F::SevenZip)}},
    {"cab", {C::Archive, QT_TRANSLATE_NOOP("Types", "a cabinet archive"), Bit(F::Cab)}},
    {"gz", {C::Archive, QT_TRANSLATE_NOOP("Types", "a gzip archive"), Bit(F::Gzip)}},
    {"tgz", {C::Archive, QT_TRANSLATE_NOOP("Types", "a gzip archive"), Bit(F::Gzip)}},
    {"bz2", {C::Archive, QT_TRANSLATE_NOOP("Types", "a bzip2 archive"), Bit(F::Bzip2)}},
    {"xz", {C::Archive, QT_TRANSLATE_NOOP("Types", "an xz archive"), Bit(F::Xz)}},
    {"tar", {C::Archive, QT_TRANSLATE_NOOP("Types", "a tar archive"), Bit(F::Tar)}},
    {"arj", {C::Archive, QT_TRANSLATE_NOOP("Types", "an ARJ archive"), Bit(F::Arj)}},
    {"ace", {C::Archive, QT_TRANSLATE_NOOP("Types", "an ACE archive"), 0}},
    {"pdf", {C::Document, QT_TRANSLATE_NOOP("Types", "a PDF document"), Bit(F::Pdf)}},
    {"doc", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::Ole)}},
    {"xls", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::Ole)}},
    {"ppt", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::Ole)}},
    {"docx", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"xlsx", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"pptx", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"odt", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"ods", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"odp", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), kZipDocument}},
    {"rtf", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::Text)}},
    {"txt", {C::Document, QT_TRANSLATE_NOOP("Types", "a text file"), kText}},
    {"nfo", {C::Document, QT_TRANSLATE_NOOP("Types", "a text file"), kText}},
    {"srt", {C::Document, QT_TRANSLATE_NOOP("Types", "subtitles"), kText}},
    {"sub", {C::Document, QT_TRANSLATE_NOOP("Types", "subtitles"), kText}},
    {"ssa", {C::Document, QT_TRANSLATE_NOOP("Types", "subtitles"), kText}},
    {"ass", {C::Document, QT_TRANSLATE_NOOP("Types", "subtitles"), kText}},
    {"idx", {C::Document, QT_TRANSLATE_NOOP("Types", "subtitles"), kText}},
    {"cue", {C::Document, QT_TRANSLATE_NOOP("Types", "a cue sheet"), kText}},
    {"sfv", {C::Document, QT_TRANSLATE_NOOP("Types", "a checksum list"), kText}},
    {"md5", {C::Document, QT_TRANSLATE_NOOP("Types", "a checksum list"), kText}},
    {"m3u", {C::Document, QT_TRANSLATE_NOOP("Types", "a playlist"), kText}},
    {"m3u8", {C::Document, QT_TRANSLATE_NOOP("Types", "a playlist"), kText}},
    {"pls", {C::Document, QT_TRANSLATE_NOOP("Types", "a playlist"), kText}},
    {"asx", {C::Document, QT_TRANSLATE_NOOP("Types", "a playlist"), kText}},
    {"wpl", {C::Document, QT_TRANSLATE_NOOP("Types", "a playlist"), kText}},
    {"htm", {C::Document, QT_TRANSLATE_NOOP("Types", "a web page"), kText}},
    {"html", {C::Document, QT_TRANSLATE_NOOP("Types", "a web page"), kText}},
    {"epub", {C::Document, QT_TRANSLATE_NOOP("Types", "an e-book"), kZipDocument}},
    {"chm", {C::Document, QT_TRANSLATE_NOOP("Types", "a help file"), Bit(F::Chm)}},
    {"djvu", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::DjVu)}},
    {"djv", {C::Document, QT_TRANSLATE_NOOP("Types", "a document"), Bit(F::DjVu)}},
    {"cbr", {C::Document, QT_TRANSLATE_NOOP("Types", "a comic book"), Bit(F::Rar4) | Bit(F::Rar5)}},
    {"cbz", {C::Document, QT_TRANSLATE_NOOP("Types", "a comic book"), Bit(F::Zip)}},
    {"exe", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"scr", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"pif", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"com", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"bat", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"cmd", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"vbs", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"vbe", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"js", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"jse", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"wsf", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"hta", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"msi", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"lnk", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"url", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"cpl", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"dll", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"sh", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"run", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"jar", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"apk", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"deb", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
    {"rpm", {C::Executable, QT_TRANSLATE_NOOP("Types", "a program"), 0}},
};

constexpr NameClaim kRarVolume{C::Archive, QT_TRANSLATE_NOOP("Types", "a RAR archive"), Bit(F::Rar4) | Bit(F::Rar5)};

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
