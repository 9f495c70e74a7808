// SearchSpam.met and cancelled.met / canceled.met. Properties: what is read
// is bounded by the bytes, and written back the way the clients write it reads
// back the same.
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "ed2k/ClientSignals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto spam = kv::ReadSearchSpam(bytes)) {
        KV_FUZZ_CHECK((spam->spam.size() + spam->notSpam.size()) * 16 <= size);
        const auto again = kv::ReadSearchSpam(kv::WriteSearchSpam(*spam));
        KV_FUZZ_CHECK(again.has_value());
        KV_FUZZ_CHECK(again->spam == spam->spam && again->notSpam == spam->notSpam);
        KV_FUZZ_CHECK(again->names == spam->names && again->sizes == spam->sizes);
    } else {
        KV_FUZZ_CHECK(!spam.error().empty());
    }

    if (const auto cancelled = kv::ReadCancelled(bytes)) {
        KV_FUZZ_CHECK(cancelled->size() * 16 <= size);
        // Hashes from the input: whether they count as cancelled survives a rewrite.
        std::vector<kv::Ed2kHash> probes;
        for (size_t i = 0; i + 16 <= size && probes.size() < 8; i += 16) probes.push_back(kv::Ed2kHash::FromRaw(data + i));
        if (cancelled->form() == kv::CancelledList::Form::kAmule) {
            std::vector<kv::Ed2kHash> in;
            for (const auto& h : probes)
                if (cancelled->Contains(h)) in.push_back(h);
            const auto again = kv::ReadCancelled(kv::WriteAmuleCanceled(in));
            KV_FUZZ_CHECK(again.has_value() && again->size() <= in.size());
            for (const auto& h : probes) KV_FUZZ_CHECK(again->Contains(h) == cancelled->Contains(h));
        } else if (cancelled->form() == kv::CancelledList::Form::kEmuleSalted) {
            std::vector<kv::Ed2kHash> in;
            for (const auto& h : probes)
                if (cancelled->Contains(h)) in.push_back(h);
            const auto again = kv::ReadCancelled(kv::WriteEmuleCancelled(cancelled->seed(), in));
            KV_FUZZ_CHECK(again.has_value());
            for (const auto& h : probes) KV_FUZZ_CHECK(again->Contains(h) == cancelled->Contains(h));
        }
    } else {
        KV_FUZZ_CHECK(!cancelled.error().empty());
    }
    return 0;
}
