// Detectors that read what the container says of itself in the arrived head.
#include <algorithm>
#include <cmath>

#include "common/Translator.h"
#include "inspect/Detector.h"
#include "inspect/MediaLength.h"

namespace kv::inspect {

namespace {

// Below this a published file is no "film" or "album": nothing to pad.
constexpr uint64_t kMinPublished = 8ull << 20;
// What may follow a container's own length in a real file: tags, an MP4's
// moov after its mdat (a few per cent), a last part's rounding.
constexpr double kPaddedFactor = 2.0;
constexpr uint64_t kPaddedSlack = 4ull << 20;
// What a short file may carry beside its media: cover art, a cue sheet and
// a rip log embedded in a FLAC, a long ID3 tag.
constexpr double kDurationSlack = 16.0 * 1024 * 1024;
// The search result's length against the container's: encoders and the
// client's own estimate (VBR MP3 without a Xing frame) disagree by up to
// about 2.5 times; a fake's clip is off by far more.
constexpr double kLengthFactor = 4.0;
constexpr double kLengthSlack = 300.0;

std::optional<DeclaredLength> Declared(const Evidence& e) {
    const std::string* head = e.Head();
    if (!head) return std::nullopt;
    return ReadDeclaredLength(e.Content(), *head);
}

// A published size several times the container's own length.
class PaddedClipDetector final : public Detector {
public:
    std::string_view id() const override { return "padded-clip"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        if (!e.hasSize() || e.size() < kMinPublished) return {};
        const auto d = Declared(e);
        if (!d || !d->bytes || *d->bytes == 0) return {};
        const uint64_t own = *d->bytes, published = e.size();
        // A RIFF or Xing size field cannot state a larger file: it wrapped or was capped.
        if (published > d->bytesLimit) return {};
        if (static_cast<double>(published) < kPaddedFactor * static_cast<double>(own) || published - own < kPaddedSlack)
            return {};
        return MakeSuspicion(Strength::PaddedClip,
                             Reason{.kind = ReasonKind::PaddedClip, .data = std::string(HeaderName(e.Content().format)),
                                    .count = own, .total = published});
    }
};

// A declared duration no real file of that size could have. The pictures,
// tags and attachments whose sizes the head gives are no media; lossy video
// is held to the bits a pixel its picture allows.
class DurationDetector final : public Detector {
public:
    std::string_view id() const override { return "duration"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        if (!e.hasSize() || e.size() < kMinPublished) return {};
        const auto d = Declared(e);
        if (!d || !d->seconds || !d->maxBitRate || *d->seconds <= 0) return {};
        const double media = static_cast<double>(e.size() - std::min(d->metaBytes, e.size()));
        const double rate = media * 8 / *d->seconds;
        if (rate <= *d->maxBitRate || media <= *d->seconds * *d->maxBitRate / 8 + kDurationSlack) return {};
        const std::string header(HeaderName(e.Content().format));
        if (d->pixelRate > 0)
            return MakeSuspicion(
                Strength::DurationMismatch,
                Reason{.kind = ReasonKind::TooShortForPicture, .data = header,
                       .detail = std::to_string(d->width) + "x" + std::to_string(d->height),
                       .count = static_cast<uint64_t>(std::min(rate / d->pixelRate, 1e12) * 100), .total = e.size(),
                       .limit = static_cast<uint64_t>(d->maxBitsPerPixel * 100), .seconds = *d->seconds});
        return MakeSuspicion(Strength::DurationMismatch,
                             Reason{.kind = ReasonKind::TooShortForSize, .data = header,
                                    .count = static_cast<uint64_t>(std::min(rate, 1e18)), .total = e.size(),
                                    .limit = static_cast<uint64_t>(*d->maxBitRate), .seconds = *d->seconds});
    }
};

// The container's duration against the search result's (FT_MEDIA_LENGTH).
class MediaLengthDetector final : public Detector {
public:
    std::string_view id() const override { return "media-length"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const auto published = e.download().mediaLength;
        if (!published || *published == 0) return {};
        const auto d = Declared(e);
        if (!d || !d->seconds || *d->seconds <= 0) return {};
        const double said = static_cast<double>(*published), own = *d->seconds;
        const double ratio = said > own ? said / own : own / said;
        if (ratio < kLengthFactor || std::fabs(said - own) < kLengthSlack) return {};
        return MakeSuspicion(Strength::DurationMismatch,
                             Reason{.kind = ReasonKind::LengthMismatch,
                                    .data = std::string(HeaderName(e.Content().format)), .count = *published,
                                    .seconds = own});
    }
};

}  // namespace

std::unique_ptr<Detector> MakePaddedClipDetector() { return std::make_unique<PaddedClipDetector>(); }
std::unique_ptr<Detector> MakeDurationDetector() { return std::make_unique<DurationDetector>(); }
std::unique_ptr<Detector> MakeMediaLengthDetector() { return std::make_unique<MediaLengthDetector>(); }

}  // namespace kv::inspect
