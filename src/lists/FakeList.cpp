#include "lists/FakeList.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kv {

namespace {

constexpr size_t kHashDigits = 32;

// The key's first 16 bits.
size_t PrefixOf(const Ed2kHash::Bytes& key) { return (size_t{key[0]} << 8) | key[1]; }

// Half of a key as a number that orders as its bytes do.
uint64_t KeyHalf(const Ed2kHash::Bytes& key, size_t at) {
    uint64_t v;
    std::memcpy(&v, key.data() + at, sizeof v);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
}

// Byte order, as memcmp would give it, in two comparisons: sorting the index is most of a load.
bool KeyLess(const Ed2kHash::Bytes& a, const Ed2kHash::Bytes& b) {
    const uint64_t a0 = KeyHalf(a, 0), b0 = KeyHalf(b, 0);
    return a0 != b0 ? a0 < b0 : KeyHalf(a, 8) < KeyHalf(b, 8);
}

Ed2kHash::Bytes KeyOf(const char* digits) {
    Ed2kHash::Bytes key;
    for (size_t i = 0; i < 16; ++i)
        key[i] = static_cast<uint8_t>(HexDigitValue(digits[2 * i]) << 4 | HexDigitValue(digits[2 * i + 1]));
    return key;
}

}  // namespace

std::string_view RecordLine(std::string_view bytes, size_t start) {
    size_t end = bytes.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

FakeList FakeList::Parse(std::string bytes, std::string listName, std::vector<SkippedLine>* skipped) {
    FakeList list;
    list.bytes_ = std::move(bytes);
    list.name_ = std::move(listName);
    const std::string_view all(list.bytes_);
    // Lines are counted first, so that the record table is allocated once.
    list.lines_.reserve(static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + 1);
    list.index_.reserve(list.lines_.capacity());

    int32_t lineIndex = 0;
    size_t start = 0;
    while (start <= all.size()) {
        const std::string_view line = RecordLine(all, start);
        const size_t next = start + line.size();
        const size_t comma = line.find(',');
        if (comma == 0) {
            if (skipped) skipped->push_back({lineIndex, std::string(line)});
        } else if (comma != std::string_view::npos) {
            const auto record = static_cast<uint32_t>(list.lines_.size());
            list.lines_.push_back(start);
            list.Index(start, next, record);
        }
        ++lineIndex;
        const size_t lf = all.find('\n', next);
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    list.lines_.shrink_to_fit();
    // Equal keys keep file order, so the first record holding a hash comes first.
    std::sort(list.index_.begin(), list.index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return KeyLess(a.key, b.key) || (a.key == b.key && a.record < b.record);
    });
    // About one bucket per entry, at most 2^16 of them (256 KiB).
    const int bits = std::min(16, static_cast<int>(std::bit_width(list.index_.size())));
    list.bucketShift_ = 16 - bits;
    const size_t buckets = size_t{1} << bits;
    list.buckets_.assign(buckets + 1, 0);
    for (const IndexEntry& e : list.index_) ++list.buckets_[(PrefixOf(e.key) >> list.bucketShift_) + 1];
    for (size_t b = 1; b <= buckets; ++b) list.buckets_[b] += list.buckets_[b - 1];
    return list;
}

void FakeList::Index(size_t lineStart, size_t lineEnd, uint32_t record) {
    const char* text = bytes_.data();
    size_t start = lineStart;  // the earliest place a run of 32 hex digits may begin
    while (start + kHashDigits <= lineEnd) {
        // Look at the window from its end: a byte that is no hex digit rules
        // out every window up to it, so most of a description is skipped.
        size_t k = start + kHashDigits;
        while (k > start && HexDigitValue(text[k - 1]) >= 0) --k;
        if (k > start) {
            start = k;
            continue;
        }
        size_t end = start + kHashDigits;
        while (end < lineEnd && HexDigitValue(text[end]) >= 0) ++end;
        const size_t windows = std::min(end - start - kHashDigits + 1, kIndexedWindowsPerRun);
        for (size_t w = 0; w < windows; ++w) index_.push_back({KeyOf(text + start + w), record});
        start = end + 1;
    }
}

FakeRecord FakeList::record(size_t index) const {
    const std::string_view line = RecordLine(bytes_, static_cast<size_t>(lines_[index]));
    FakeRecord r;
    r.listName = name_;
    r.index = index;
    const size_t p1 = line.find(',');
    r.hashText = line.substr(0, p1);
    const size_t p2 = line.find(',', p1 + 1);
    if (p2 == std::string_view::npos) {
        // Hash and one more field: that field is the description.
        r.description = line.substr(p1 + 1);
    } else {
        r.sizeText = line.substr(p1 + 1, p2 - p1 - 1);
        r.description = line.substr(p2 + 1);
    }
    return r;
}

std::optional<FakeRecord> FakeList::find(const Ed2kHash& hash) const {
    if (index_.empty()) return std::nullopt;
    const size_t b = PrefixOf(hash.bytes()) >> bucketShift_;
    const auto first = index_.begin() + buckets_[b], last = index_.begin() + buckets_[b + 1];
    const auto it = std::lower_bound(first, last, hash.bytes(),
                                     [](const IndexEntry& e, const Ed2kHash::Bytes& k) { return KeyLess(e.key, k); });
    if (it == last || it->key != hash.bytes()) return std::nullopt;
    return record(it->record);
}

}  // namespace kv
