// A downloaded list's body: unpacked (plain, gzip, zip) under a size limit and
// judged. Properties: an unpacked archive never holds more than the limit; a
// failure says why and gives no list; a plain body is the list itself; the
// judgement's counts fit its shape.
#include <string>

#include "FuzzSupport.h"
#include "lists/ListShape.h"
#include "online/ListArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::fuzz::Input in(data, size);
    // Limits from a few bytes up to 1 MiB, so that bombs meet the limit quickly.
    const uint64_t maxBytes = uint64_t{1} << (in.Byte() % 21);
    const std::string body = in.Rest();

    const kv::UnpackedList unpacked = kv::UnpackList(body, maxBytes);
    KV_FUZZ_CHECK(unpacked.list.has_value() != !unpacked.failure.empty());
    if (unpacked.list) KV_FUZZ_CHECK(unpacked.list->size() <= maxBytes);
    // A plain body within the limit is the list itself.
    if (kv::PackingOf(body) == kv::BodyPacking::Plain && body.size() <= maxBytes)
        KV_FUZZ_CHECK(unpacked.list && *unpacked.list == body);

    for (const std::string* bytes : {&body, unpacked.list ? &*unpacked.list : nullptr}) {
        if (!bytes) continue;
        const kv::ListJudgement j = kv::JudgeList(*bytes);
        KV_FUZZ_CHECK(j.records <= j.nonBlankLines);
        KV_FUZZ_CHECK(j.usable() == (j.records > 0 && j.records * 2 >= j.nonBlankLines));
        if (j.shape == kv::ListShape::Empty) KV_FUZZ_CHECK(j.nonBlankLines == 0);
        if (j.shape == kv::ListShape::NoRecords) KV_FUZZ_CHECK(j.records == 0 && j.nonBlankLines > 0);
        // A record is a line of at most the line limit, so records need bytes.
        KV_FUZZ_CHECK(j.records * 32 <= bytes->size());
        KV_FUZZ_CHECK(!kv::ShapeText(j.shape).empty());
    }
    return 0;
}
