#include "ed2k/PartMetReader.h"

#include <algorithm>
#include <map>

#include "common/FileUtil.h"

namespace kv {

namespace {

constexpr std::string_view kNamePattern("\x00\x00\x00\x02\x01\x00\x01", 7);
constexpr std::string_view kBom("\xEF\xBB\xBF", 3);

constexpr uint8_t kTagHash = 0x01;
constexpr uint8_t kTagString = 0x02;
constexpr uint8_t kTagUint32 = 0x03;
constexpr uint8_t kTagFloat = 0x04;
constexpr uint8_t kTagBool = 0x05;
constexpr uint8_t kTagBoolArray = 0x06;
constexpr uint8_t kTagBlob = 0x07;
constexpr uint8_t kTagUint16 = 0x08;
constexpr uint8_t kTagUint8 = 0x09;
constexpr uint8_t kTagBsob = 0x0A;
constexpr uint8_t kTagUint64 = 0x0B;
constexpr uint8_t kTagStr1 = 0x11;   // short form: string of 1 byte ...
constexpr uint8_t kTagStr16 = 0x20;  // ... up to 16 bytes, length in the type

constexpr uint8_t kIdName = 0x01;
constexpr uint8_t kIdSize = 0x02;
constexpr uint8_t kIdLastSeenComplete = 0x05;
constexpr uint8_t kIdCorrupted = 0x1B;
constexpr uint8_t kIdActiveTime = 0x23;
constexpr uint8_t kIdCorruptedParts = 0x24;
constexpr uint8_t kIdMediaLength = 0xD3;
constexpr char kGapStart = '\x09';
constexpr char kGapEnd = '\x0A';

// Bounds-checked little-endian reading over the file's bytes.
class Cursor {
public:
    Cursor(std::string_view bytes, size_t pos) : bytes_(bytes), pos_(pos) {}

    bool Has(size_t n) const { return pos_ <= bytes_.size() && bytes_.size() - pos_ >= n; }
    size_t Left() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }

    std::optional<uint64_t> Le(size_t n) {
        if (!Has(n)) return std::nullopt;
        uint64_t value = 0;
        for (size_t i = 0; i < n; ++i) value |= uint64_t{static_cast<uint8_t>(bytes_[pos_ + i])} << (8 * i);
        pos_ += n;
        return value;
    }

    std::optional<std::string_view> Take(uint64_t n) {
        if (n > SIZE_MAX || !Has(static_cast<size_t>(n))) return std::nullopt;
        std::string_view out = bytes_.substr(pos_, static_cast<size_t>(n));
        pos_ += static_cast<size_t>(n);
        return out;
    }

private:
    std::string_view bytes_;
    size_t pos_;
};

struct Tag {
    uint8_t type = 0;
    std::optional<uint8_t> id;   // one-byte names
    std::string_view name;       // longer names
    std::optional<std::string_view> value;
    std::optional<uint64_t> number;
};

// The next tag, or nullopt at an unknown type or a value that runs past the end.
std::optional<Tag> NextTag(Cursor& cur) {
    Tag tag;
    const auto typeByte = cur.Le(1);
    if (!typeByte) return std::nullopt;
    tag.type = static_cast<uint8_t>(*typeByte);
    if (tag.type & 0x80) {
        // Short form: the name is one id byte with no length.
        tag.type &= 0x7F;
        const auto idByte = cur.Le(1);
        if (!idByte) return std::nullopt;
        tag.id = static_cast<uint8_t>(*idByte);
    } else {
        const auto nameLength = cur.Le(2);
        if (!nameLength) return std::nullopt;
        const auto name = cur.Take(*nameLength);
        if (!name) return std::nullopt;
        if (name->size() == 1) tag.id = static_cast<uint8_t>((*name)[0]);
        else tag.name = *name;
        if (tag.type >= kTagStr1 && tag.type <= kTagStr16) return std::nullopt;  // only written in the short form
    }

    switch (tag.type) {
        case kTagHash: tag.value = cur.Take(16); break;
        case kTagString: {
            const auto length = cur.Le(2);
            if (length) tag.value = cur.Take(*length);
            break;
        }
        case kTagUint32: tag.number = cur.Le(4); break;
        case kTagFloat: tag.value = cur.Take(4); break;
        case kTagBool: tag.value = cur.Take(1); break;
        case kTagBoolArray: {
            const auto bits = cur.Le(2);
            if (bits) tag.value = cur.Take((*bits + 7) / 8);
            break;
        }
        case kTagBlob: {
            const auto length = cur.Le(4);
            if (length) tag.value = cur.Take(*length);
            break;
        }
        case kTagUint16: tag.number = cur.Le(2); break;
        case kTagUint8: tag.number = cur.Le(1); break;
        case kTagBsob: {
            const auto length = cur.Le(1);
            if (length) tag.value = cur.Take(*length);
            break;
        }
        case kTagUint64: tag.number = cur.Le(8); break;
        default:
            if (tag.type >= kTagStr1 && tag.type <= kTagStr16) tag.value = cur.Take(tag.type - 0x10u);
            else return std::nullopt;  // unknown type: the layout beyond is unknown
    }
    if (!tag.value && !tag.number) return std::nullopt;  // ran past the end
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
    std::map<uint32_t, uint64_t> gapStarts;
    std::map<uint32_t, uint64_t> gapEnds;

    // Takes what the tag says; true once name and size are known.
    void Take(const Tag& tag) {
        if (tag.id == kIdName && tag.type == kTagString && !out.hasName) {
            std::string_view name = *tag.value;
            if (name.substr(0, kBom.size()) == kBom) name.remove_prefix(kBom.size());
            out.hasName = true;
            out.name.assign(name);
        } else if (tag.id == kIdSize && tag.number && !out.hasSize) {
            // Sizes up to 2^63-1 fit; larger values from a damaged file are not sizes.
            if (*tag.number <= static_cast<uint64_t>(INT64_MAX)) {
                out.hasSize = true;
                out.size = *tag.number;
            }
        } else if (tag.number && !tag.name.empty() && (tag.name[0] == kGapStart || tag.name[0] == kGapEnd)) {
            if (const auto index = GapIndex(tag.name)) {
                auto& side = tag.name[0] == kGapStart ? gapStarts : gapEnds;
                side.emplace(*index, *tag.number);
            }
        } else if (tag.id) {
            TakeClientNote(*tag.id, tag);
        }
    }

    // The client's own notes on the download; the first of each counts.
    void TakeClientNote(uint8_t id, const Tag& tag) {
        const auto first = [&tag](std::optional<uint64_t>& field) {
            if (tag.number && !field) field = *tag.number;
        };
        switch (id) {
            case kIdLastSeenComplete: first(out.lastSeenComplete); break;
            case kIdCorrupted: first(out.corruptedBytes); break;
            case kIdActiveTime: first(out.activeSeconds); break;
            case kIdMediaLength: first(out.mediaLength); break;
            case kIdCorruptedParts:
                if (tag.value && (tag.type == kTagString || tag.type >= kTagStr1) && out.corruptedParts.empty())
                    out.corruptedParts.assign(*tag.value);
                break;
            default: break;
        }
    }

    // Pairs starts and ends by index; unpaired, empty or reversed ones are
    // dropped, the rest clipped to the size, sorted and joined where they touch.
    void FinishGaps() {
        std::vector<ByteRange> gaps;
        for (const auto& [index, start] : gapStarts) {
            const auto end = gapEnds.find(index);
            if (end == gapEnds.end()) continue;
            const uint64_t stop = out.hasSize ? std::min(end->second, out.size) : end->second;
            if (start < stop) gaps.push_back({start, stop});
        }
        std::sort(gaps.begin(), gaps.end(), [](auto& a, auto& b) { return a.begin < b.begin; });
        for (const ByteRange& g : gaps) {
            if (!out.gaps.empty() && g.begin <= out.gaps.back().end) {
                out.gaps.back().end = std::max(out.gaps.back().end, g.end);
            } else {
                out.gaps.push_back(g);
            }
        }
    }
};

// Where the clients write the file hash, or npos when this is no layout we know.
size_t HashOffset(std::string_view bytes, bool& currentLayout) {
    currentLayout = false;
    if (bytes.empty()) return std::string_view::npos;
    const uint8_t version = static_cast<uint8_t>(bytes[0]);
    const bool oldEdonkeyMark = bytes.size() >= 28 && bytes.substr(24, 4) == std::string_view("\x00\x00\x02\x01", 4);
    if (version == 0xE1 || (version == 0xE0 && oldEdonkeyMark)) {
        Cursor cur(bytes, 1);
        const auto atOne = cur.Le(4);
        if (!atOne) return std::string_view::npos;
        return *atOne == 0 ? 5 : 6;
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
    Cursor cur(bytes, 21);
    const auto partCount = cur.Le(2);
    if (!partCount) return false;
    walk.out.partHashes.reserve(std::min<size_t>(*partCount, cur.Left() / 16));  // no more than the file holds
    for (uint64_t i = 0; i < *partCount; ++i) {
        const auto part = cur.Take(16);
        if (!part) return false;
        walk.out.partHashes.push_back(Ed2kHash::FromRaw(part->data()));
    }
    const auto count = cur.Le(4);
    if (!count) return false;
    for (uint64_t i = 0; i < *count; ++i) {
        const auto tag = NextTag(cur);
        if (!tag) break;
        walk.Take(*tag);
    }
    return true;
}

// Other layouts: from the tag the name pattern points at, until name and size are known.
void WalkFromName(std::string_view bytes, Walk& walk, bool wantSize) {
    const size_t pattern = bytes.find(kNamePattern);
    if (pattern == std::string_view::npos) return;
    Cursor cur(bytes, pattern + 3);
    while (!(walk.out.hasName && (walk.out.hasSize || !wantSize))) {
        const auto tag = NextTag(cur);
        if (!tag) break;
        walk.Take(*tag);
    }
}

Download Parse(std::string_view bytes, bool wantSize) {
    Download d;
    bool current = false;
    const size_t hashAt = HashOffset(bytes, current);
    if (hashAt != std::string_view::npos && bytes.size() >= hashAt + 16)
        d.hash = Ed2kHash::FromRaw(bytes.data() + hashAt);
    Walk walk{d, {}, {}};
    if (!(current && WalkFromCount(bytes, walk))) {
        d.partHashes.clear();
        WalkFromName(bytes, walk, wantSize);
    }
    walk.FinishGaps();
    return d;
}

}  // namespace

Download ParsePartMet(std::string_view bytes) { return Parse(bytes, true); }

std::string CutPartMetName(std::string_view bytes) { return Parse(bytes, false).name; }

std::optional<Download> ReadPartMet(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path, kMaxPartMetBytes);
    if (!bytes) return std::nullopt;
    return ParsePartMet(*bytes);
}

}  // namespace kv
