// eMule collections, binary and text. Properties: reading is bounded (no more
// files than the bytes could describe); a collection read and written again in
// either form reads back with the same files.
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "ed2k/Collection.h"

namespace {

void CheckSameFiles(const kv::Collection& a, const kv::Collection& b) {
    KV_FUZZ_CHECK(a.files.size() == b.files.size());
    for (size_t i = 0; i < a.files.size(); ++i) {
        KV_FUZZ_CHECK(a.files[i].name == b.files[i].name);
        KV_FUZZ_CHECK(a.files[i].size == b.files[i].size);
        KV_FUZZ_CHECK(a.files[i].hash == b.files[i].hash);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto c = kv::ReadCollection(bytes);
    if (!c) {
        KV_FUZZ_CHECK(!c.error().empty());
        return 0;
    }
    // Each file costs at least a hash of 16 bytes (binary) or a 32-digit one (text).
    KV_FUZZ_CHECK(c->files.size() <= size / 16);
    if (c->files.empty()) return 0;

    const auto binary = kv::ReadCollection(kv::WriteBinaryCollection(*c));
    if (!binary) std::fprintf(stderr, "%s\n", binary.error().c_str());
    KV_FUZZ_CHECK(binary.has_value());
    KV_FUZZ_CHECK(binary->form == kv::Collection::Form::kBinary && binary->errors.empty());
    CheckSameFiles(*c, *binary);
    if (c->form == kv::Collection::Form::kBinary) {
        KV_FUZZ_CHECK(binary->name == c->name && binary->author == c->author);
    }

    const auto text = kv::ReadCollection(kv::WriteTextCollection(*c));
    if (!text) std::fprintf(stderr, "%s\n", text.error().c_str());
    KV_FUZZ_CHECK(text.has_value());
    KV_FUZZ_CHECK(text->form == kv::Collection::Form::kText);
    CheckSameFiles(*c, *text);
    return 0;
}
