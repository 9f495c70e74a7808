// ed2k and magnet links, alone and found in a text. Property: a link that
// parses, written back as text (Ed2kLink::Text) and parsed again, has the same
// name, size and hash; so does every link the finder reads out of the text.
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "ed2k/Ed2kLink.h"
#include "ed2k/LinkFinder.h"

namespace {

void CheckRoundTrip(const kv::Ed2kLink& link) {
    KV_FUZZ_CHECK(link.size > 0 && link.size < kv::kMaxEd2kFileSize);
    const std::string text = link.Text();
    const auto again = kv::Ed2kLink::Parse(text);
    if (!again) std::fprintf(stderr, "%s\n", again.error().c_str());
    KV_FUZZ_CHECK(again.has_value());
    KV_FUZZ_CHECK(again->name == link.name);
    KV_FUZZ_CHECK(again->size == link.size);
    KV_FUZZ_CHECK(again->hash == link.hash);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto link = kv::Ed2kLink::Parse(text)) CheckRoundTrip(*link);
    else KV_FUZZ_CHECK(!link.error().empty());
    if (const auto magnet = kv::ParseMagnet(text)) CheckRoundTrip(*magnet);
    else KV_FUZZ_CHECK(!magnet.error().empty());

    for (const kv::LinkCandidate& c : kv::FindLinks(text)) {
        KV_FUZZ_CHECK(c.ok() || !c.error.empty());
        if (c.ok()) CheckRoundTrip(*c.link);
    }
    return 0;
}
