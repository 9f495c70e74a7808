// The content sniffer and the judgements built on it, on a name and a head.
// Properties: DRM and a licence address only come with ASF, encryption only
// with archives that can say so; the judgement never flags a name that claims
// nothing known or a program, data of unknown type, or data the name accepts.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "inspect/Extension.h"
#include "inspect/Inspect.h"

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

    const auto judged = JudgeContent(name, head);
    const auto claim = ClaimOfName(name);
    if (!claim || claim->category == Category::Unknown || claim->category == Category::Executable ||
        t.format == Format::Unknown)
        KV_FUZZ_CHECK(!judged);
    if (claim && (claim->accepted & Bit(t.format)) != 0 && !t.drm) KV_FUZZ_CHECK(!judged);
    if (judged) KV_FUZZ_CHECK(!judged->reason.empty());
    const auto text = InspectContent(name, head);
    KV_FUZZ_CHECK(text.has_value() == judged.has_value() && (!text || *text == judged->reason));

    if (const auto byName = InspectName(name)) KV_FUZZ_CHECK(!byName->empty());

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
