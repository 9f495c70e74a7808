// The .part.met reader on arbitrary bytes. Properties: the result depends on
// the bytes only; the name is bytes of the file (so never longer than it) and
// the text search's name cut agrees with the full parse; the gaps are sorted,
// non-empty, apart from each other and inside the size.
#include <cstring>
#include <string_view>

#include "FuzzSupport.h"
#include "ed2k/PartMetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kv::Download d = kv::ParsePartMet(bytes);
    const kv::Download again = kv::ParsePartMet(bytes);
    KV_FUZZ_CHECK(d.name == again.name && d.size == again.size && d.hash == again.hash &&
                  d.partHashes == again.partHashes && d.gaps == again.gaps);

    KV_FUZZ_CHECK(d.hasName || d.name.empty());
    KV_FUZZ_CHECK(d.hasSize || d.size == 0);
    KV_FUZZ_CHECK(d.name.size() <= size);
    KV_FUZZ_CHECK(d.name.empty() || bytes.find(d.name) != std::string_view::npos);
    KV_FUZZ_CHECK(d.partHashes.size() * 16 <= size);
    KV_FUZZ_CHECK(kv::CutPartMetName(bytes) == d.name);

    for (size_t i = 0; i < d.gaps.size(); ++i) {
        KV_FUZZ_CHECK(d.gaps[i].begin < d.gaps[i].end);
        if (d.hasSize) KV_FUZZ_CHECK(d.gaps[i].end <= d.size);
        if (i > 0) KV_FUZZ_CHECK(d.gaps[i - 1].end < d.gaps[i].begin);
    }
    return 0;
}
