// aMule External Connections packets as a hostile daemon could send them.
// Properties: what the reader accepts is bounded by the bytes, re-encodes
// (plain and deflated) to bytes that read back as the same packet, reads the
// same through the header-then-body path the connection takes, and turns into
// a download queue without a download lacking its view.
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "clients/amule/DownloadQueue.h"
#include "clients/amule/EcCodes.h"
#include "clients/amule/EcPacket.h"

namespace {

size_t CountTags(const std::vector<kv::ec::EcTag>& tags) {
    size_t count = tags.size();
    for (const auto& tag : tags) count += CountTags(tag.children);
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv::ec;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Smaller caps than the defaults: inflating megabytes per input would leave
    // no time for anything else, and the cap is hit the same way.
    const ReadLimits limits{.maxBody = 1u << 18, .maxDepth = 16, .maxTags = 1u << 14};
    const auto packet = ReadPacket(bytes, limits);

    // The connection reads a header first, then as many bytes as it says.
    if (const auto header = ReadHeader(bytes, limits); header && bytes.size() == kHeaderSize + header->bodyLength) {
        const auto split = ReadBody(header->flags, bytes.substr(kHeaderSize), limits);
        KV_FUZZ_CHECK(split.has_value() == packet.has_value());
        if (split && packet) KV_FUZZ_CHECK(*split == *packet);
    }
    if (!packet) return 0;

    const bool deflated = size >= 4 && (data[3] & kFlagZlib);
    // Every tag costs at least its 7-byte header (before inflating).
    if (!deflated) KV_FUZZ_CHECK(CountTags(packet->tags) * 7 + 11 <= size);

    const std::string plain = WritePacket(*packet);
    const auto again = ReadPacket(plain, limits);
    KV_FUZZ_CHECK(again.has_value() && *again == *packet);
    // An uncompressed packet whose lengths add up is written back byte for byte.
    if (!deflated) KV_FUZZ_CHECK(plain.size() <= size);

    const auto packed = ReadPacket(WritePacket(*packet, true), limits);
    KV_FUZZ_CHECK(packed.has_value() && *packed == *packet);

    const DownloadQueue queue = ReadDownloadQueue(*packet);
    KV_FUZZ_CHECK(queue.downloads.size() == queue.views.size());
    for (const auto& download : queue.downloads) {
        KV_FUZZ_CHECK(download.hash.has_value() && queue.ViewOf(*download.hash) != nullptr);
        const auto* view = queue.ViewOf(*download.hash);
        size_t rated = 0;
        for (const uint32_t n : view->ratings) rated += n;
        KV_FUZZ_CHECK(rated == view->comments.size());
    }
    return 0;
}
