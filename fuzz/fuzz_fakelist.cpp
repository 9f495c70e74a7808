// FakeList parse and index against a plain scan of the records. The rule: a
// record is a line (LF or CR LF) whose first comma is not its first byte; a
// hash matches a record when it equals a 32-digit window (either case)
// starting at one of the first kIndexedWindowsPerRun places of a run of hex
// digits in the line; the first such record wins. Hashes to look up: every
// 32-hex window of the input (capped) and a few derived from its bytes.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "lists/FakeList.h"

namespace {

struct Line {
    std::string_view text;
    size_t index;  // record number
};

std::vector<Line> Records(std::string_view all) {
    std::vector<Line> records;
    size_t start = 0;
    for (;;) {
        const size_t lf = all.find('\n', start);
        std::string_view line = all.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t comma = line.find(',');
        if (comma != std::string_view::npos && comma != 0) records.push_back({line, records.size()});
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return records;
}

// The hashes a record's line holds by the rule, in the order they stand.
void WindowsOf(std::string_view line, std::vector<kv::Ed2kHash>& out) {
    size_t i = 0;
    while (i < line.size()) {
        if (kv::HexDigitValue(line[i]) < 0) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < line.size() && kv::HexDigitValue(line[end]) >= 0) ++end;
        for (size_t w = 0; w < kv::FakeList::kIndexedWindowsPerRun && i + w + 32 <= end; ++w)
            out.push_back(*kv::Ed2kHash::FromHex(line.substr(i + w, 32)));
        i = end;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kv::FakeList list = kv::FakeList::Parse(bytes, "fuzz");
    const std::vector<Line> records = Records(bytes);
    KV_FUZZ_CHECK(list.size() == records.size());

    std::vector<kv::Ed2kHash> probes;
    for (size_t i = 0; i + 32 <= bytes.size() && probes.size() < 64; ++i) {
        if (const auto h = kv::Ed2kHash::FromHex(std::string_view(bytes).substr(i, 32))) probes.push_back(*h);
    }
    // Hashes no window need hold: raw input bytes, and one never written.
    for (size_t i = 0; i + 16 <= size && i < 64; i += 16) probes.push_back(kv::Ed2kHash::FromRaw(data + i));
    probes.push_back(kv::Ed2kHash());

    // Every record's windows, in file order: a plain scan finds the first record holding a hash.
    std::vector<std::pair<kv::Ed2kHash, size_t>> windows;
    std::vector<kv::Ed2kHash> held;
    for (const Line& r : records) {
        held.clear();
        WindowsOf(r.text, held);
        for (const kv::Ed2kHash& h : held) windows.emplace_back(h, r.index);
    }
    for (const kv::Ed2kHash& hash : probes) {
        std::optional<size_t> expected;
        for (const auto& [h, record] : windows) {
            if (h == hash) {
                expected = record;
                break;
            }
        }
        const std::optional<kv::FakeRecord> found = list.find(hash);
        KV_FUZZ_CHECK(found.has_value() == expected.has_value());
        if (found) {
            // The very record, not an equal one elsewhere: the same bytes of the list.
            KV_FUZZ_CHECK(found->hashText.data() == list.record(*expected).hashText.data());
            const std::string_view line = records[*expected].text;
            KV_FUZZ_CHECK(found->hashText == line.substr(0, line.find(',')));
            KV_FUZZ_CHECK(found->listName == "fuzz");
        }
    }
    return 0;
}
