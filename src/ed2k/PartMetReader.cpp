#include "ed2k/PartMetReader.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/FileUtil.h"
#include "ed2k/MetTags.h"

namespace kv {

namespace {

constexpr std::string_view kNamePattern("\x00\x00\x00\x02\x01\x00\x01", 7);

constexpr uint8_t kIdName = 0x01;
constexpr uint8_t kIdSize = 0x02;
constexpr uint8_t kIdLastSeenComplete = 0x05;
constexpr uint8_t kIdCorrupted = 0x1B;
constexpr uint8_t kIdActiveTime = 0x23;
constexpr uint8_t kIdCorruptedParts = 0x24;
constexpr uint8_t kIdMediaLength = 0xD3;
constexpr char kGapStart = '\x09';
constexpr char kGapEnd = '\x0A';

// The next tag, or nullopt at an unknown type or a value that runs past the end.
std::optional<met::Tag> NextTag(met::ByteReader& in) {
    met::Tag tag;
    if (!met::ReadTag(in, tag)) return std::nullopt;
    return tag;
}

// A gap tag's index: the decimal digits after its marker byte.
std::optional<uint32_t> GapIndex(std::string_view name) {
    if (name.size() < 2 || name.size() > 10) return std::nullopt;
    uint64_t index = 0;
    for (const char c : name.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        index = index * 10 + static_cast<uint64_t>(c - '0');
    }
    if (index > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(index);
}

struct Walk {
    Download& out;
    // (index, offset) as they come; a file has many, so no tree of them is built.
    // The thread's own, emptied for each file: a check parses thousands.
    std::vector<std::pair<uint32_t, uint64_t>>& gapStarts;
    std::vector<std::pair<uint32_t, uint64_t>>& gapEnds;

    // Takes what the tag says: one switch on the tag's id, the gaps (named
    // by strings) under id 0.
    void Take(const met::Tag& tag) {
        switch (tag.id) {
            case kIdName:
                if (tag.IsString() && !out.hasName) {
                    const std::string_view name = met::WithoutBom(tag.bytes);
                    out.hasName = true;
                    out.name.assign(name);
                }
                break;
            case kIdSize:
                // Sizes up to 2^63-1 fit; larger values from a damaged file are not sizes.
                if (tag.IsInt() && !out.hasSize && tag.number <= static_cast<uint64_t>(INT64_MAX)) {
                    out.hasSize = true;
                    out.size = tag.number;
                }
                break;
            case 0:
                if (tag.IsInt()) TakeGap(tag);
                break;
            default: TakeClientNote(tag); break;
        }
    }

    // The client's own notes on the download; the first of each counts.
    void TakeClientNote(const met::Tag& tag) {
        const auto first = [&tag](std::optional<uint64_t>& field) {
            if (tag.IsInt() && !field) field = tag.number;
        };
        switch (tag.id) {
            case kIdLastSeenComplete: first(out.lastSeenComplete); break;
            case kIdCorrupted: first(out.corruptedBytes); break;
            case kIdActiveTime: first(out.activeSeconds); break;
            case kIdMediaLength: first(out.mediaLength); break;
            case kIdCorruptedParts:
                if (tag.IsString() && out.corruptedParts.empty()) out.corruptedParts.assign(tag.bytes);
                break;
            default: break;
        }
    }

    void TakeGap(const met::Tag& tag) {
        if (tag.name.empty() || (tag.name[0] != kGapStart && tag.name[0] != kGapEnd)) return;
        if (const auto index = GapIndex(tag.name)) {
            auto& side = tag.name[0] == kGapStart ? gapStarts : gapEnds;
            side.emplace_back(*index, tag.number);
        }
    }

    // Pairs starts and ends by index; unpaired, empty or reversed ones are
    // dropped, the rest clipped to the size, sorted and joined where they touch.
    // By index, the first of each index kept.
    static void FirstOfEach(std::vector<std::pair<uint32_t, uint64_t>>& side) {
        const auto byIndex = [](const auto& a, const auto& b) { return a.first < b.first; };
        // The clients write them in order: then there is nothing to sort (nor a buffer to sort through).
        if (!std::is_sorted(side.begin(), side.end(), byIndex)) std::stable_sort(side.begin(), side.end(), byIndex);
        side.erase(std::unique(side.begin(), side.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                   side.end());
    }

    void FinishGaps() {
        FirstOfEach(gapStarts);
        FirstOfEach(gapEnds);
        // Paired into out.gaps, then sorted and joined there.
        std::vector<ByteRange>& gaps = out.gaps;
        gaps.clear();
        for (const auto& [index, start] : gapStarts) {
            const auto end = std::lower_bound(gapEnds.begin(), gapEnds.end(), index,
                                              [](const auto& e, uint32_t i) { return e.first < i; });
            if (end == gapEnds.end() || end->first != index) continue;
            const uint64_t stop = out.hasSize ? std::min(end->second, out.size) : end->second;
            if (start < stop) gaps.push_back({start, stop});
        }
        const auto byBegin = [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; };
        if (!std::is_sorted(gaps.begin(), gaps.end(), byBegin)) std::sort(gaps.begin(), gaps.end(), byBegin);
        size_t joined = 0;
        for (size_t i = 0; i < gaps.size(); ++i) {
            if (joined > 0 && gaps[i].begin <= gaps[joined - 1].end) {
                gaps[joined - 1].end = std::max(gaps[joined - 1].end, gaps[i].end);
            } else {
                gaps[joined++] = gaps[i];
            }
        }
        gaps.resize(joined);
    }
};

// Where the clients write the file hash, or npos when this is no layout we know.
size_t HashOffset(std::string_view bytes, bool& currentLayout) {
    currentLayout = false;
    if (bytes.empty()) return std::string_view::npos;
    const uint8_t version = static_cast<uint8_t>(bytes[0]);
    const bool oldEdonkeyMark = bytes.size() >= 28 && bytes.substr(24, 4) == std::string_view("\x00\x00\x02\x01", 4);
    if (version == 0xE1 || (version == 0xE0 && oldEdonkeyMark)) {
        met::ByteReader in(bytes.substr(1));
        uint32_t atOne = 0;
        if (!in.U32(atOne)) return std::string_view::npos;
        return atOne == 0 ? 5 : 6;
    }
    if (version == 0xE0 || version == 0xE2) {
        currentLayout = true;
        return 5;
    }
    return std::string_view::npos;
}

// eMule's and aMule's layout: hash, part hashes, tag count, tags. False when
// the header itself is cut short.
bool WalkFromCount(std::string_view bytes, Walk& walk) {
    if (bytes.size() < 21) return false;
    met::ByteReader in(bytes.substr(21));
    uint16_t partCount = 0;
    if (!in.U16(partCount)) return false;
    // All at once: checked against what the file holds before anything is reserved.
    std::string_view parts;
    if (!in.Bytes(size_t{16} * partCount, parts)) return false;
    // A hash is its 16 raw bytes: the file's copied as they lie.
    static_assert(sizeof(Ed2kHash) == 16 && std::is_trivially_copyable_v<Ed2kHash>);
    walk.out.partHashes.resize(partCount);
    if (partCount > 0) std::memcpy(static_cast<void*>(walk.out.partHashes.data()), parts.data(), parts.size());
    uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const auto tag = NextTag(in);
        if (!tag) break;
        walk.Take(*tag);
    }
    return true;
}

// Other layouts: from the tag the name pattern points at, until name and size are known.
void WalkFromName(std::string_view bytes, Walk& walk, bool wantSize) {
    const size_t pattern = bytes.find(kNamePattern);
    if (pattern == std::string_view::npos) return;
    met::ByteReader in(bytes.substr(pattern + 3));
    while (!(walk.out.hasName && (walk.out.hasSize || !wantSize))) {
        const auto tag = NextTag(in);
        if (!tag) break;
        walk.Take(*tag);
    }
}

Download Parse(std::string_view bytes, bool wantSize, std::vector<Ed2kHash>&& spare = {}) {
    Download d;
    d.partHashes = std::move(spare);
    d.partHashes.clear();
    bool current = false;
    const size_t hashAt = HashOffset(bytes, current);
    if (hashAt != std::string_view::npos && bytes.size() >= hashAt + 16)
        d.hash = Ed2kHash::FromRaw(bytes.data() + hashAt);
    thread_local std::vector<std::pair<uint32_t, uint64_t>> starts, ends;
    starts.clear();
    ends.clear();
    Walk walk{d, starts, ends};
    if (!(current && WalkFromCount(bytes, walk))) {
        d.partHashes.clear();
        WalkFromName(bytes, walk, wantSize);
    }
    walk.FinishGaps();
    // A damaged file's thousands of gaps are not kept for the rest of the run.
    if (starts.capacity() + ends.capacity() > 4096) {
        std::vector<std::pair<uint32_t, uint64_t>>().swap(starts);
        std::vector<std::pair<uint32_t, uint64_t>>().swap(ends);
    }
    return d;
}

}  // namespace

Download ParsePartMet(std::string_view bytes) { return Parse(bytes, true); }

Download ParsePartMet(std::string_view bytes, std::vector<Ed2kHash>&& spare) {
    return Parse(bytes, true, std::move(spare));
}

std::string CutPartMetName(std::string_view bytes) { return Parse(bytes, false).name; }

std::optional<Download> ReadPartMet(const std::string& path) {
    // One buffer a thread, reused from file to file: the check reads
    // thousands of small files, and the parse copies out what it keeps.
    thread_local std::string buffer;
    if (!ReadFileInto(path, kMaxPartMetBytes, buffer)) return std::nullopt;
    return ParsePartMet(buffer);
}

std::optional<uint32_t> PartNumberOf(std::string_view name) {
    for (const std::string_view suffix : {".met", ".part"})
        if (name.ends_with(suffix)) name.remove_suffix(suffix.size());
    uint32_t number = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (name.empty() || name.size() > 9 || ec != std::errc() || end != name.data() + name.size()) return std::nullopt;
    return number;
}

std::string PartMetFileName(uint32_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "%03u.part.met", number);
    return name;
}

}  // namespace kv
