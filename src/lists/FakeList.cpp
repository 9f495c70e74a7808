#include "lists/FakeList.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

namespace {

constexpr size_t kHashDigits = 32;
// Lines of records are rarely shorter; longer lists of short lines grow the tables as they go.
constexpr size_t kBytesPerLineGuess = 40;

using FullKey = std::pair<uint64_t, uint64_t>;

// Bit k set when byte k of the 16 at p is a hex digit (either case).
uint32_t HexMask16(const char* p) {
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
    const __m128i lower = _mm_or_si128(v, _mm_set1_epi8(0x20));
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(lower, _mm_set1_epi8('a' - 1)), _mm_cmplt_epi8(lower, _mm_set1_epi8('g')));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_or_si128(digit, letter)));
#else
    uint32_t mask = 0;
    for (int k = 0; k < 16; ++k) mask |= uint32_t{HexDigitValue(p[k]) >= 0} << k;
    return mask;
#endif
}

uint32_t HexMask32(const char* p) { return HexMask16(p) | HexMask16(p + 16) << 16; }

// The number the hex digits at p spell (all digits, checked by the caller).
uint64_t HexNumber(const char* p, int digits) {
    uint64_t v = 0;
    for (int k = 0; k < digits; ++k) v = v << 4 | static_cast<uint64_t>(HexDigitValue(p[k]));
    return v;
}

// Half of a key as a number that orders as its bytes do.
uint64_t KeyHalf(const Ed2kHash::Bytes& key, size_t at) {
    uint64_t v;
    std::memcpy(&v, key.data() + at, sizeof v);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
}

uint32_t KeyTop(uint64_t entry) { return static_cast<uint32_t>(entry >> 32); }
uint32_t OffsetOf(uint64_t entry) { return static_cast<uint32_t>(entry); }

void InsertionSort(uint64_t* a, size_t n) {
    for (size_t i = 1; i < n; ++i) {
        const uint64_t v = a[i];
        size_t j = i;
        for (; j > 0 && a[j - 1] > v; --j) a[j] = a[j - 1];
        a[j] = v;
    }
}

// In-place MSD radix sort on the byte at shift and below: the first two
// levels keep the index in place (no second buffer beside the list) and
// leave groups small enough to finish by insertion.
void RadixSort(uint64_t* a, size_t n, int shift) {
    if (n <= 48) return InsertionSort(a, n);
    if (shift < 32) return std::sort(a, a + n);  // only keys alike in their first 32 bits get here
    size_t begin[257] = {};
    for (size_t i = 0; i < n; ++i) ++begin[((a[i] >> shift) & 0xFF) + 1];
    for (int b = 0; b < 256; ++b) begin[b + 1] += begin[b];
    size_t next[256];
    std::copy(begin, begin + 256, next);
    for (int b = 0; b < 256; ++b) {
        while (next[b] < begin[b + 1]) {
            uint64_t v = a[next[b]];
            for (auto d = static_cast<int>((v >> shift) & 0xFF); d != b; d = static_cast<int>((v >> shift) & 0xFF))
                std::swap(v, a[next[d]++]);
            a[next[b]++] = v;
        }
    }
    for (int b = 0; b < 256; ++b) RadixSort(a + begin[b], begin[b + 1] - begin[b], shift - 8);
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

// One pass: each line is found once, its comma checked and its hex windows
// indexed while its bytes are in the cache.
FakeList FakeList::Parse(std::string bytes, std::string listName, std::vector<SkippedLine>* skipped) {
    FakeList list;
    list.bytes_ = std::move(bytes);
    list.name_ = std::move(listName);
    const char* text = list.bytes_.data();
    const size_t size = std::min<size_t>(list.bytes_.size(), UINT32_MAX);
    // Reserved, not touched: pages a short list leaves unused cost no memory.
    list.lines_.reserve(size / kBytesPerLineGuess + 16);
    list.index_.reserve(size / kBytesPerLineGuess + 16);

    size_t start = 0;
    for (int32_t lineIndex = 0;; ++lineIndex) {
        const auto* lf = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
        const size_t next = lf ? static_cast<size_t>(lf - text) : size;
        const size_t end = lf && next > start && text[next - 1] == '\r' ? next - 1 : next;
        const auto* comma = static_cast<const char*>(std::memchr(text + start, ',', end - start));
        if (comma == text + start) {
            if (skipped) skipped->push_back({lineIndex, std::string(text + start, end - start)});
        } else if (comma) {
            list.lines_.push_back(static_cast<uint32_t>(start));
            list.Index(text, start, end);
        }
        if (!lf) break;
        start = next + 1;
    }
    list.Sort();
    return list;
}

void FakeList::Index(const char* text, size_t at, size_t lineEnd) {
    while (at + kHashDigits <= lineEnd) {
        // A byte that is no hex digit rules out every window up to it, so
        // most of a description is passed over 32 bytes at a time.
        const uint32_t hex = HexMask32(text + at);
        if (hex != 0xFFFFFFFFu) {
            at += kHashDigits - static_cast<size_t>(std::countl_zero(~hex));
            continue;
        }
        size_t end = at + kHashDigits;
        while (end < lineEnd && HexDigitValue(text[end]) >= 0) ++end;
        const size_t windows = std::min(end - at - kHashDigits + 1, kIndexedWindowsPerRun);
        for (size_t w = 0; w < windows; ++w)
            index_.push_back(HexNumber(text + at + w, 8) << 32 | static_cast<uint32_t>(at + w));
        at = end + 1;
    }
}

void FakeList::Sort() {
    const char* text = bytes_.data();
    const auto fullKey = [text](uint64_t e) {
        return FullKey{HexNumber(text + OffsetOf(e), 16), HexNumber(text + OffsetOf(e) + 16, 16)};
    };
    RadixSort(index_.data(), index_.size(), 56);
    // Keys alike in their first 32 bits (rare but for crafted lists) are
    // ordered by the whole key, equal keys in file order.
    for (size_t i = 0; i + 1 < index_.size();) {
        size_t j = i + 1;
        while (j < index_.size() && KeyTop(index_[j]) == KeyTop(index_[i])) ++j;
        if (j - i > 1)
            std::sort(index_.begin() + static_cast<long>(i), index_.begin() + static_cast<long>(j),
                      [&](uint64_t a, uint64_t b) { return std::pair(fullKey(a), a) < std::pair(fullKey(b), b); });
        i = j;
    }
    // About one bucket per entry, at most 2^16 of them (256 KiB).
    const int bits = std::min(16, static_cast<int>(std::bit_width(index_.size())));
    bucketShift_ = 16 - bits;
    const size_t buckets = size_t{1} << bits;
    buckets_.assign(buckets + 1, 0);
    for (const uint64_t e : index_) ++buckets_[(KeyTop(e) >> 16 >> bucketShift_) + 1];
    for (size_t b = 1; b <= buckets; ++b) buckets_[b] += buckets_[b - 1];
}

size_t FakeList::RecordAt(uint32_t offset) const {
    return static_cast<size_t>(std::upper_bound(lines_.begin(), lines_.end(), offset) - lines_.begin()) - 1;
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
    const FullKey key{KeyHalf(hash.bytes(), 0), KeyHalf(hash.bytes(), 8)};
    const auto top = static_cast<uint32_t>(key.first >> 32);
    const size_t b = top >> 16 >> bucketShift_;
    const auto* first = index_.data() + buckets_[b];
    const auto* last = index_.data() + buckets_[b + 1];
    first = std::lower_bound(first, last, uint64_t{top} << 32);
    last = std::upper_bound(first, last, uint64_t{top} << 32 | UINT32_MAX);
    const char* text = bytes_.data();
    const auto keyAt = [text](uint64_t e) {
        return FullKey{HexNumber(text + OffsetOf(e), 16), HexNumber(text + OffsetOf(e) + 16, 16)};
    };
    const auto* it = std::lower_bound(first, last, key, [&](uint64_t e, const FullKey& k) { return keyAt(e) < k; });
    if (it == last || keyAt(*it) != key) return std::nullopt;
    return record(RecordAt(OffsetOf(*it)));
}

}  // namespace kv
