// The detectors and their registration list. Each reads only what its
// reads() names; the head is the arrived bytes, never more.
#include <array>

#include "common/Translator.h"
#include "inspect/Detector.h"
#include "inspect/Extension.h"
#include "inspect/MediaTracks.h"
#include "inspect/NameRules.h"
#include "inspect/ZeroParts.h"
#include "inspect/SourceNames.h"

namespace kv::inspect {

namespace {

bool IsTrueArchive(Format f) {
    return f == Format::Zip || f == Format::Rar4 || f == Format::Rar5 || f == Format::SevenZip || f == Format::Cab ||
           f == Format::Arj;
}

bool IsMediaLike(Category c) {
    return c == Category::Video || c == Category::Audio || c == Category::Image || c == Category::DiscImage;
}

bool IsPageLike(Format f) {
    return f == Format::Html || f == Format::Text || f == Format::ShellLink || f == Format::Playlist ||
           f == Format::OfficeDoc || f == Format::Ole || f == Format::InternetShortcut;
}

// A playlist published at about its own size is the pointer to a stream it
// says it is, which players open under a media name; a "film" is far larger.
constexpr uint64_t kPlaylistAtOwnSize = 1 << 20;

// An MP3 stream inside a RIFF WAVE wrapper (format tag 0x55, or 0x50 for
// MPEG layers I and II) is MP3 audio to every player.
Format Effective(const ContentType& t) {
    if (t.format == Format::Wav && (t.wavCodec == 0x55 || t.wavCodec == 0x50)) return Format::Mp3;
    return t.format;
}

// detailPattern words the detail after the data (its %1 the detail), translated as a verdict.
Suspicion Claimed(Strength s, const NameClaim& claim, std::string data, const char* detailPattern = "",
                  std::string detail = {}) {
    return MakeSuspicion(s, Reason{.kind = ReasonKind::Content, .claim = std::string(claim.text),
                                   .data = std::move(data), .detail = std::move(detail),
                                   .detailPattern = detailPattern});
}

// ---------------------------------------------------------------------------

// The data against what the name claims: DRM, archives, programs, pages and
// other media. Playable video under another video container's name, and
// playable sound under another sound name, is only a note: a wrong container
// name is not a fake.
class ContentDetector final : public Detector {
public:
    std::string_view id() const override { return "content"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const auto claim = ClaimOfName(e.name());
        if (!claim || claim->category == Category::Unknown || claim->category == Category::Executable) return {};
        if (!e.Head()) return {};
        const ContentType& t = e.Content();
        const Format f = Effective(t);
        if (f == Format::Unknown) return {};
        if (f == Format::Asf && t.drm) {
            return Claimed(Strength::DrmMedia, *claim, std::string(Describe(f)),
                           t.licenceUrl.empty() ? QT_TRANSLATE_NOOP("Verdicts", " locked by DRM")
                                                : QT_TRANSLATE_NOOP("Verdicts", " locked by DRM (licence: %1)"),
                           t.licenceUrl);
        }
        if (claim->accepted & (Bit(f) | Bit(t.format))) return {};
        return Mismatch(e, *claim, t, f);
    }

private:
    static std::optional<Suspicion> Mismatch(const Evidence& e, const NameClaim& claim, const ContentType& t, Format f) {
        const Category found = CategoryOf(f);
        const bool media = IsMediaLike(claim.category);
        if (IsTrueArchive(f) && media) {
            const bool tellsEncryption = f != Format::SevenZip && f != Format::Cab && f != Format::Arj;
            std::string data(Describe(f));
            if (t.encrypted && tellsEncryption)
                data = f == Format::Zip ? QT_TRANSLATE_NOOP("Types", "a password-protected ZIP archive")
                                        : QT_TRANSLATE_NOOP("Types", "a password-protected RAR archive");
            return Claimed(Strength::ArchiveAsMedia, claim, std::move(data));
        }
        if (IsPageLike(f) && media) {
            const bool opens = (f == Format::Playlist || f == Format::InternetShortcut) && !t.urls.empty();
            auto s = opens ? Claimed(Strength::PageAsMedia, claim, std::string(Describe(f)),
                                     QT_TRANSLATE_NOOP("Verdicts", " that opens %1"), t.urls)
                           : Claimed(Strength::PageAsMedia, claim, std::string(Describe(f)));
            if (f == Format::Playlist && e.hasSize() && e.size() < kPlaylistAtOwnSize) s.severity = Severity::Note;
            return s;
        }
        // A script or shortcut in a text file's name runs nothing: a tutorial
        // quoting one is text. Under a media name it is the fake's payload.
        if ((f == Format::WindowsScript || f == Format::InternetShortcut) && !media) return {};
        if (found == Category::Executable) {
            if (f == Format::Pe && claim.category == Category::Archive)
                return Claimed(Strength::SelfExtractor, claim, std::string(Describe(f)),
                               QT_TRANSLATE_NOOP("Verdicts", " (perhaps a self-extracting archive)"));
            return Claimed(Strength::ProgramContent, claim, std::string(Describe(f)));
        }
        if (!media) return {};
        // A container that holds nothing but sound is audio, whatever its name suggests.
        const MediaTracks tracks = ReadTracks(f, ByteView{*e.Head()});
        const std::string_view audioName = AudioOnlyName(f, tracks);
        const Category kind = audioName.empty() ? found : Category::Audio;
        const std::string data(audioName.empty() ? Describe(f) : audioName);
        // A claim without a known signature is held to its category.
        if (claim.accepted == 0 && kind == claim.category) return {};
        // Video under another video name, sound under another sound name: players open it. A
        // container whose track list is not in the head may be either: under a sound name, a note.
        const bool mayBeSound = audioName.empty() && !tracks.complete &&
                                (f == Format::Matroska || f == Format::Mp4 || f == Format::Mov || f == Format::Asf);
        if ((claim.category == Category::Video || claim.category == Category::Audio) &&
            (kind == claim.category || (claim.category == Category::Audio && mayBeSound)) && IsPlayableMedia(f)) {
            return MakeSuspicion(Strength::Playable,
                                 Reason{.kind = ReasonKind::PlayableContent, .data = data,
                                        .ext = std::string(LastExtension(e.name()))},
                                 Severity::Note);
        }
        return Claimed(Strength::TypeMismatch, claim, data);
    }
};

class NameDetector final : public Detector {
public:
    std::string_view id() const override { return "name"; }
    Reads reads() const override { return Reads::Name; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        if (auto why = NameReason(e.name())) return MakeSuspicion(Strength::ProgramName, std::move(*why));
        return {};
    }
};

class ZeroPartsDetector final : public Detector {
public:
    std::string_view id() const override { return "zero-parts"; }
    Reads reads() const override { return Reads::PartHashes; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        if (!e.hasSize()) return {};
        if (auto why = ZeroPartsReason(e.download().partHashes, e.size()))
            return MakeSuspicion(Strength::MostlyZeros, std::move(*why));
        return {};
    }
};

}  // namespace

// Defined in MediaDetectors.cpp and ClientDetectors.cpp.
std::unique_ptr<Detector> MakePaddedClipDetector();
std::unique_ptr<Detector> MakeDurationDetector();
std::unique_ptr<Detector> MakeMediaLengthDetector();
std::unique_ptr<Detector> MakeJunkDetector();
std::unique_ptr<Detector> MakeScriptDetector();
std::unique_ptr<Detector> MakeCorruptionDetector();
std::unique_ptr<Detector> MakeNeverCompleteDetector();

std::span<const std::unique_ptr<Detector>> Detectors() {
    static const auto kAll = [] {
        std::array<std::unique_ptr<Detector>, 11> all{
            std::make_unique<ContentDetector>(),  // the content's finding first on a tie, then the name's
            std::make_unique<NameDetector>(),
            std::make_unique<ZeroPartsDetector>(),
            MakePaddedClipDetector(),
            MakeDurationDetector(),
            MakeMediaLengthDetector(),
            MakeJunkDetector(),
            MakeScriptDetector(),
            MakeCorruptionDetector(),
            MakeNeverCompleteDetector(),
            MakeSourceNamesDetector(),
        };
        return all;
    }();
    return kAll;
}

const Detector* FindDetector(std::string_view id) {
    for (const auto& d : Detectors())
        if (d->id() == id) return d.get();
    return nullptr;
}

}  // namespace kv::inspect
