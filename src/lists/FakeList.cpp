#include "lists/FakeList.h"


#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <iterator>
#include <ranges>
#include <thread>
#include <utility>

#include "common/FileUtil.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

namespace {

constexpr size_t kHashDigits = 32;
// Lines of records are rarely shorter; longer lists of short lines grow the tables as they go.
constexpr size_t kBytesPerLineGuess = 40;

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

// Sorts a[0, n) in place by the digit of `width` bits at `shift` (an
// American flag sort: no second buffer beside the list). begin gets where
// each digit's run begins, and one more entry for the end.
void FlagSort(uint64_t* a, size_t n, int shift, int width, std::vector<size_t>& begin, std::vector<size_t>& next) {
    const uint64_t mask = (uint64_t{1} << width) - 1;
    const size_t digits = size_t{1} << width;
    begin.assign(digits + 1, 0);
    for (size_t i = 0; i < n; ++i) ++begin[((a[i] >> shift) & mask) + 1];
    for (size_t d = 0; d < digits; ++d) begin[d + 1] += begin[d];
    next.assign(begin.begin(), begin.end() - 1);
    for (size_t b = 0; b < digits; ++b) {
        while (next[b] < begin[b + 1]) {
            uint64_t v = a[next[b]];
            for (size_t d = (v >> shift) & mask; d != b; d = (v >> shift) & mask) {
                std::swap(v, a[next[d]++]);
                // The digit's next entries, asked for before they are needed: more
                // runs are written at once than the processor follows by itself.
                if (next[d] + 16 < n) __builtin_prefetch(a + next[d] + 16, 1);
            }
            a[next[b]++] = v;
        }
    }
}

// Sorts a[0, n) by the digit of `width` bits at `shift` through `scratch`, for
// a run that fits in the cache: one move an entry instead of a chain of
// swaps. begin[d] is set to first + where digit d's run begins.
void ScatterSort(uint64_t* a, size_t n, int shift, int width, size_t first, uint32_t* begin,
                 std::vector<uint64_t>& scratch) {
    const uint64_t mask = (uint64_t{1} << width) - 1;
    const size_t digits = size_t{1} << width;
    std::fill(begin, begin + digits, 0);
    for (size_t i = 0; i < n; ++i) ++begin[(a[i] >> shift) & mask];
    auto at = static_cast<uint32_t>(first);
    for (size_t d = 0; d < digits; ++d) at += std::exchange(begin[d], at);
    scratch.resize(n);
    for (size_t i = 0; i < n; ++i) scratch[begin[(a[i] >> shift) & mask]++ - first] = a[i];
    if (n > 0) std::memcpy(a, scratch.data(), n * sizeof *a);
    // Each digit's counter has moved to where the next digit begins.
    std::memmove(begin + 1, begin, (digits - 1) * sizeof *begin);
    begin[0] = static_cast<uint32_t>(first);
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
    list.bytes_ = FileBytes(std::move(bytes));
    list.name_ = std::move(listName);
    list.Build(skipped);
    return list;
}

void WaitWhileWritten(const std::string& path) {
    using namespace std::chrono;
    // Written this recently, it may still be being written. Empty, it may have
    // just been cut by a writer about to write (cp's cut leaves its times as
    // they were, so only its size tells).
    constexpr milliseconds kQuiet(200), kEmptied(2000), kAtMost(2000), kLook(10);
    const auto start = steady_clock::now();
    for (;;) {
        const std::optional<FileStamp> stamp = StampOfFile(path);
        if (!stamp) return;
        const auto waited = steady_clock::now() - start;
        if (waited >= kAtMost) return;
        if (stamp->size == 0) {
            if (waited >= kEmptied) return;
            std::this_thread::sleep_for(kLook);
            continue;
        }
        const auto since = system_clock::now().time_since_epoch() - nanoseconds(stamp->modified);
        if (since >= kQuiet || since < nanoseconds(0)) return;
        std::this_thread::sleep_for(kQuiet - since);
    }
}

std::optional<FakeList> FakeList::Load(const std::string& path, std::string listName,
                                       std::vector<SkippedLine>* skipped, uint64_t maxBytes,
                                       const std::string& keptIndex) {
    // A list rewritten in place while it is read (`cp new.dat FAKES.DAT`) is
    // read again once the writer had time to finish, the new one; one that
    // never holds still (0.6 s) is taken as it is.
    constexpr int kTries = 7;
    for (int attempt = 1;; ++attempt) {
        std::optional<FakeList> list = LoadOnce(path, listName, skipped, maxBytes, keptIndex, attempt == kTries);
        if (list || attempt == kTries || !FileExists(path)) return list;
        std::this_thread::sleep_for(std::chrono::milliseconds(10 << (attempt - 1)));
    }
}

std::optional<FakeList> FakeList::LoadOnce(const std::string& path, const std::string& listName,
                                           std::vector<SkippedLine>* skipped, uint64_t maxBytes,
                                           const std::string& keptIndex, bool lastTry) {
    FakeList list;
    list.name_ = listName;
    // A kept index: the list mapped, and of its pages only those a lookup
    // reads are ever read. The one place a list is mapped: its bytes may
    // change under the lookups (FileBytes says what becomes of them then).
    const int64_t length = FileLength(path);
    const bool keep = !keptIndex.empty() && length >= static_cast<int64_t>(kKeptIndexFrom);
    if (keep) {
        std::optional<FileBytes> bytes = FileBytes::Open(path, maxBytes, false);
        std::optional<FileBytes> kept = bytes ? FileBytes::Open(keptIndex, UINT32_MAX, false) : std::nullopt;
        if (kept) {
            list.bytes_ = std::move(*bytes);
            std::vector<SkippedLine> lines;
            if (list.AdoptKeptIndex(std::move(*kept), &lines) && !list.Changed()) {
                // A lookup reads a line or two of the list and a few entries of the index.
                list.bytes_.ReadHereAndThere();
                list.keptFile_.ReadHereAndThere();
                if (skipped) std::ranges::move(lines, std::back_inserter(*skipped));
                return list;
            }
            list = FakeList();
            list.name_ = listName;
        }
    }
    // Otherwise a copy of it, read whole, as it was from start to end: the
    // index is built from every byte anyway, and no later change reaches it.
    SteadyReading read = ReadWholeFileSteady(path, maxBytes);
    if (read.changing && !lastTry) return std::nullopt;
    if (read.changing) read.bytes = ReadWholeFile(path, maxBytes);
    if (!read.bytes) return std::nullopt;
    list.bytes_ = FileBytes(std::move(*read.bytes), read.stamp);
    list.Build(skipped);
    if (keep && !read.changing) list.KeepIndex(keptIndex);
    return list;
}

// One pass: each line is found once, its comma checked and its hex windows
// indexed while its bytes are in the cache.
void FakeList::Build(std::vector<SkippedLine>* skipped) {
    const char* text = this->text().data();
    const size_t size = std::min<size_t>(this->text().size(), UINT32_MAX);
    // Reserved, not touched: pages a short list leaves unused cost no memory.
    marks_.reserve(size / kBytesPerLineGuess / kRecordsPerMark + 16);
    index_.reserve(size / kBytesPerLineGuess + 16);

    size_t start = 0;
    for (int32_t lineIndex = 0;; ++lineIndex) {
        const auto* lf = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
        const size_t next = lf ? static_cast<size_t>(lf - text) : size;
        const size_t end = lf && next > start && text[next - 1] == '\r' ? next - 1 : next;
        // The usual record starts with its hash and a comma: no need to look for the comma.
        const bool usual =
            end > start + kHashDigits && text[start + kHashDigits] == ',' && HexMask32(text + start) == 0xFFFFFFFFu;
        const auto* comma = usual ? text + start + kHashDigits
                                  : static_cast<const char*>(std::memchr(text + start, ',', end - start));
        if (comma == text + start) {
            skippedAt_.push_back({lineIndex, static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)});
        } else if (comma) {
            if (records_ % kRecordsPerMark == 0) marks_.push_back(static_cast<uint32_t>(start));
            ++records_;
            if (usual) {  // its one window, as Index would take it
                index_.push_back(HexNumber(text + start, 8) << 32 | static_cast<uint32_t>(start));
                Index(text, start + kHashDigits + 1, end);
            } else {
                Index(text, start, end);
            }
        }
        if (!lf) break;
        start = next + 1;
    }
    Sort();
    if (skipped)
        for (const SkippedAt& k : skippedAt_) skipped->push_back({k.index, std::string(text + k.start, k.length)});
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

FakeList::FullKey FakeList::KeyAt(uint64_t entry) const {
    // Within the text whatever a kept index says (a window there is compared through UsableWindow).
    const std::string_view t = text();
    const char* digits = t.data() + std::min<size_t>(OffsetOf(entry), t.size() < kHashDigits ? 0 : t.size() - kHashDigits);
    return {HexNumber(digits, 16), HexNumber(digits + 16, 16)};
}

// Entries go to buckets by their key's first bits, first on 8 of them over
// the whole index, then on the rest within each (by then in the cache).
// Buckets are left unsorted: a lookup scans their handful of entries. Only
// a bucket that crafted keys have filled is sorted, for a binary search.
void FakeList::Sort() {
    const size_t n = index_.size();
    const int bits = std::clamp(static_cast<int>(std::bit_width(n / kEntriesPerBucket)), 8, 20);
    bucketShift_ = 64 - bits;
    const size_t buckets = size_t{1} << bits;
    buckets_.assign(buckets + 1, static_cast<uint32_t>(n));
    // The first pass in place: a second array as large as the index would raise the peak.
    std::vector<size_t> top, begin, next;
    FlagSort(index_.data(), n, 56, 8, top, next);
    const int rest = bits - 8;
    std::vector<uint64_t> scratch;
    for (size_t b = 0; b < 256; ++b) {
        uint64_t* run = index_.data() + top[b];
        const size_t length = top[b + 1] - top[b];
        if (length <= kScatteredRun) {
            ScatterSort(run, length, bucketShift_, rest, top[b], buckets_.data() + (b << rest), scratch);
            continue;
        }
        // A run crafted keys have swollen is sorted in place, whatever its size.
        FlagSort(run, length, bucketShift_, rest, begin, next);
        for (size_t d = 0; d < (size_t{1} << rest); ++d) buckets_[(b << rest) + d] = static_cast<uint32_t>(top[b] + begin[d]);
    }
    // By key, the whole key read again from the text where the first 32 bits agree; equal keys in file order.
    const auto less = [this](uint64_t a, uint64_t b) {
        if (KeyTop(a) != KeyTop(b)) return a < b;
        const FullKey ka = KeyAt(a), kb = KeyAt(b);
        return ka != kb ? ka < kb : a < b;
    };
    for (size_t b = 0; b < buckets; ++b)
        if (buckets_[b + 1] - buckets_[b] > kScannedBucket)
            std::sort(index_.begin() + buckets_[b], index_.begin() + buckets_[b + 1], less);
}

// The record after the one whose line starts at `start`, as Build counts
// them: the next line with a comma that is not its first byte. There is one.
size_t FakeList::NextRecord(size_t start) const {
    const char* t = text().data();
    const size_t size = std::min<size_t>(text().size(), UINT32_MAX);
    for (;;) {
        const auto* lf = static_cast<const char*>(std::memchr(t + start, '\n', size - start));
        if (!lf) return size;
        start = static_cast<size_t>(lf - t) + 1;
        const auto* comma = static_cast<const char*>(std::memchr(t + start, ',', size - start));
        if (!comma) return size;
        if (comma != t + start && !std::memchr(t + start, '\n', static_cast<size_t>(comma - (t + start))))
            return start;
    }
}

namespace {
// A table of the kept index file, where its header put it (checked on adoption).
template <typename T>
std::span<const T> TableIn(const FileBytes& file, size_t at, size_t count) {
    return {reinterpret_cast<const T*>(file.view().data() + at), count};
}
}  // namespace

std::span<const uint64_t> FakeList::Entries() const {
    return indexWasKept() ? TableIn<uint64_t>(keptFile_, keptEntries_.at, keptEntries_.count) : index_;
}

std::span<const uint32_t> FakeList::Buckets() const {
    return indexWasKept() ? TableIn<uint32_t>(keptFile_, keptBuckets_.at, keptBuckets_.count) : buckets_;
}

std::span<const uint32_t> FakeList::Marks() const {
    return indexWasKept() ? TableIn<uint32_t>(keptFile_, keptMarks_.at, keptMarks_.count) : marks_;
}

// A window a record can hold: within the text, at or after the first record.
// Always so for an index built here; a kept one is taken at its word only as
// far as this.
bool FakeList::UsableWindow(uint32_t offset) const {
    const std::span<const uint32_t> marks = Marks();
    return !marks.empty() && offset >= marks.front() && size_t{offset} + kHashDigits <= text().size();
}

std::optional<FakeRecord> FakeList::RecordHolding(uint32_t offset) const {
    // Back to the line's start, no further than the mark before it: one line's bytes at most.
    const std::span<const uint32_t> marks = Marks();
    const uint32_t mark = *(std::upper_bound(marks.begin(), marks.end(), offset) - 1);
    const char* t = text().data();
    const size_t lf = std::string_view(t + mark, offset - mark).rfind('\n');
    const size_t start = lf != std::string_view::npos ? mark + lf + 1 : mark;
    // Only a record's line, from its start, as Build counts records: a kept
    // index may lead into a comment, a skipped line or the middle of a line.
    if (start > 0 && t[start - 1] != '\n') return std::nullopt;
    const std::string_view line = RecordLine(text(), start);
    const size_t comma = line.find(',');
    if (comma == 0 || comma == std::string_view::npos) return std::nullopt;
    return RecordFrom(start);
}

FakeRecord FakeList::record(size_t index) const {
    size_t start = Marks()[index / kRecordsPerMark];
    for (size_t k = index % kRecordsPerMark; k > 0; --k) start = NextRecord(start);
    return RecordFrom(start);
}

FakeRecord FakeList::RecordFrom(size_t start) const {
    const std::string_view line = RecordLine(text(), start);
    FakeRecord r;
    r.listName = name_;
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

void FakeList::Prefetch(const Ed2kHash& hash, int step) const {
    const std::span<const uint64_t> entries = Entries();
    if (entries.empty()) return;
    const std::span<const uint32_t> buckets = Buckets();
    const size_t b = KeyHalf(hash.bytes(), 0) >> bucketShift_;
    if (step == 0) __builtin_prefetch(buckets.data() + b);
    else __builtin_prefetch(entries.data() + buckets[b]);
}

std::optional<FakeRecord> FakeList::find(const Ed2kHash& hash) const {
    const std::span<const uint64_t> entries = Entries();
    if (entries.empty()) return std::nullopt;
    const std::span<const uint32_t> buckets = Buckets();
    const FullKey key{KeyHalf(hash.bytes(), 0), KeyHalf(hash.bytes(), 8)};
    const uint64_t top = key.first >> 32;
    const size_t b = key.first >> bucketShift_;
    const uint64_t* first = entries.data() + buckets[b];
    const uint64_t* last = entries.data() + buckets[b + 1];
    const auto matches = [&](uint64_t e) { return UsableWindow(OffsetOf(e)) && KeyAt(e) == key && RecordHolding(OffsetOf(e)); };
    if (static_cast<size_t>(last - first) <= kScannedBucket) {
        // Unsorted: the match at the smallest offset is the first record's.
        const uint64_t* best = nullptr;
        for (const uint64_t* e = first; e != last; ++e)
            if (KeyTop(*e) == top && (!best || *e < *best) && matches(*e)) best = e;
        if (!best) return std::nullopt;
        return RecordHolding(OffsetOf(*best));
    }
    first = std::lower_bound(first, last, top << 32);
    last = std::upper_bound(first, last, top << 32 | UINT32_MAX);
    const auto* it = std::lower_bound(first, last, key, [this](uint64_t e, const FullKey& k) { return KeyAt(e) < k; });
    if (it == last || !matches(*it)) return std::nullopt;
    return RecordHolding(OffsetOf(*it));
}

}  // namespace kv
