// The content sniffer and the judgements built on it, on a name and a head.
// Properties: DRM, script addresses and a licence address only come with ASF,
// playlist addresses only with playlists, encryption only with archives that
// can say so; the judgement never flags a name that claims nothing known or a
// program, data of unknown type, or data the name accepts. The container
// length parsers give finite, positive figures or none, and every detector's
// finding is worded from its reason.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "inspect/Extension.h"
#include "inspect/Inspect.h"
#include "inspect/MediaLength.h"
#include "inspect/MediaTracks.h"

#include <cmath>

using namespace kv::inspect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::fuzz::Input in(data, size);
    const std::string name = in.Piece();
    const std::string head = in.Rest();

    const ContentType t = Sniff(head);
    KV_FUZZ_CHECK(static_cast<int>(t.format) < kFormatCount);
    KV_FUZZ_CHECK(!t.drm || t.format == Format::Asf);
    KV_FUZZ_CHECK(t.licenceUrl.empty() || t.drm);
    KV_FUZZ_CHECK(t.licenceUrl.size() <= head.size());
    KV_FUZZ_CHECK(!t.encrypted || t.format == Format::Zip || t.format == Format::Rar4 || t.format == Format::Rar5 ||
                  t.format == Format::SevenZip);
    KV_FUZZ_CHECK(t.format == Format::Unknown || !Describe(t.format).empty());
    KV_FUZZ_CHECK((t.scriptUrls == 0 && t.scriptFiles == 0) || t.format == Format::Asf);
    KV_FUZZ_CHECK(t.urls.empty() || t.format == Format::Asf || t.format == Format::Playlist ||
                  t.format == Format::InternetShortcut || t.format == Format::WindowsScript);
    KV_FUZZ_CHECK(t.junkFrom == 0 || t.junkFrom < head.size());  // 0: no junk found
    KV_FUZZ_CHECK(t.urls.size() <= 600);

    const DeclaredLength declared = ReadDeclaredLength(t, head);
    if (declared.seconds) KV_FUZZ_CHECK(std::isfinite(*declared.seconds) && *declared.seconds > 0);
    if (declared.maxBitRate) KV_FUZZ_CHECK(std::isfinite(*declared.maxBitRate) && *declared.maxBitRate > 0);
    KV_FUZZ_CHECK(declared.pixelRate == 0 || (declared.maxBitRate && declared.width > 0 && declared.height > 0));
    const MediaTracks tracks = ReadTracks(t.format, ByteView{head});
    KV_FUZZ_CHECK(std::isfinite(tracks.picture.fps) && tracks.picture.fps >= 0);
    KV_FUZZ_CHECK(tracks.picture.family == VideoFamily::None || tracks.video);

    const auto judged = JudgeContent(name, head);
    const auto claim = ClaimOfName(name);
    if (!claim || claim->category == Category::Unknown || claim->category == Category::Executable ||
        t.format == Format::Unknown)
        KV_FUZZ_CHECK(!judged);
    if (claim && (claim->accepted & Bit(t.format)) != 0 && !t.drm) KV_FUZZ_CHECK(!judged);
    if (judged) KV_FUZZ_CHECK(!judged->reason.empty());
    const auto text = InspectContent(name, head);
    // A note (playable video or audio under another name of its kind) is no suspect's reason.
    const bool suspect = judged && judged->severity == Severity::Suspect;
    KV_FUZZ_CHECK(text.has_value() == suspect && (!text || *text == judged->reason));
    if (judged && !suspect)
        KV_FUZZ_CHECK(judged->strength == Strength::Playable &&
                      (claim->category == Category::Video || claim->category == Category::Audio));

    if (const auto byName = InspectName(name)) KV_FUZZ_CHECK(!byName->empty());

    // Every detector on the name and head, published at a size from the input.
    const uint64_t published = head.size() + (size > 0 ? uint64_t{data[0]} << 24 : 0);
    const Evidence evidence(name, head, published);
    for (const Suspicion& s : AllFindings(evidence)) {
        KV_FUZZ_CHECK(!s.reason.empty() && s.reason == ReasonText(s.why));
        if (s.why.kind == ReasonKind::HeaderOnJunk || s.why.kind == ReasonKind::ScriptCommands)
            KV_FUZZ_CHECK(claim && (claim->category == Category::Video || claim->category == Category::Audio));
        if (s.why.kind == ReasonKind::Junk)
            KV_FUZZ_CHECK(claim && (claim->category == Category::Video || claim->category == Category::Audio ||
                                    claim->category == Category::DiscImage));
        if (s.why.kind == ReasonKind::PaddedClip) KV_FUZZ_CHECK(s.why.count > 0 && s.why.total > 2 * s.why.count - 1);
        if (s.why.kind == ReasonKind::TooShortForPicture) KV_FUZZ_CHECK(s.why.count > s.why.limit && !s.why.detail.empty());
    }

    // The head's bytes as part hashes, for the empty-part rule.
    std::vector<kv::Ed2kHash> parts;
    for (size_t i = 0; i + 16 <= head.size() && parts.size() < 64; i += 16)
        parts.push_back(kv::Ed2kHash::FromRaw(head.data() + i));
    if (!parts.empty() && (data[0] & 1)) parts.push_back(ZeroPartHash());
    const uint64_t fileSize = uint64_t{static_cast<uint8_t>(name.empty() ? 0 : name[0])} * 9728000 + head.size();
    const int zeros = CountZeroParts(parts, fileSize);
    KV_FUZZ_CHECK(zeros >= 0 && static_cast<size_t>(zeros) <= parts.size());
    if (zeros > 0) KV_FUZZ_CHECK(HoldsZeroPart(parts));
    (void)InspectPartHashes(parts, fileSize);
    return 0;
}
