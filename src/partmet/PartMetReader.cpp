#include "partmet/PartMetReader.h"

#include <optional>

#include "common/FileUtil.h"
#include "common/StringUtil.h"

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

// Bounds-checked little-endian reading over the file's bytes.
class Cursor {
public:
    Cursor(std::string_view bytes, size_t pos) : bytes_(bytes), pos_(pos) {}

    bool Has(size_t n) const { return pos_ <= bytes_.size() && bytes_.size() - pos_ >= n; }

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

struct NameAndSize {
    bool hasName = false;
    std::string name;
    bool hasSize = false;
    int64_t size = 0;
};

// Walks the tags from the one the name pattern points at. Stops at an unknown
// type or a value that runs past the end; what was found until then stands.
NameAndSize WalkTags(std::string_view bytes, bool wantSize) {
    NameAndSize out;
    const size_t pattern = bytes.find(kNamePattern);
    if (pattern == std::string_view::npos) return out;

    Cursor cur(bytes, pattern + 3);
    while (!(out.hasName && (out.hasSize || !wantSize))) {
        const auto typeByte = cur.Le(1);
        if (!typeByte) break;
        uint8_t type = static_cast<uint8_t>(*typeByte);
        std::optional<uint8_t> id;
        if (type & 0x80) {
            // Short form: the name is one id byte with no length.
            type &= 0x7F;
            const auto idByte = cur.Le(1);
            if (!idByte) break;
            id = static_cast<uint8_t>(*idByte);
        } else {
            const auto nameLength = cur.Le(2);
            if (!nameLength) break;
            const auto name = cur.Take(*nameLength);
            if (!name) break;
            if (name->size() == 1) id = static_cast<uint8_t>((*name)[0]);
            if (type >= kTagStr1 && type <= kTagStr16) break;  // only written in the short form
        }

        std::optional<std::string_view> value;
        std::optional<uint64_t> number;
        switch (type) {
            case kTagHash: value = cur.Take(16); break;
            case kTagString: {
                const auto length = cur.Le(2);
                if (length) value = cur.Take(*length);
                break;
            }
            case kTagUint32: number = cur.Le(4); break;
            case kTagFloat: value = cur.Take(4); break;
            case kTagBool: value = cur.Take(1); break;
            case kTagBoolArray: {
                const auto bits = cur.Le(2);
                if (bits) value = cur.Take((*bits + 7) / 8);
                break;
            }
            case kTagBlob: {
                const auto length = cur.Le(4);
                if (length) value = cur.Take(*length);
                break;
            }
            case kTagUint16: number = cur.Le(2); break;
            case kTagUint8: number = cur.Le(1); break;
            case kTagBsob: {
                const auto length = cur.Le(1);
                if (length) value = cur.Take(*length);
                break;
            }
            case kTagUint64: number = cur.Le(8); break;
            default:
                if (type >= kTagStr1 && type <= kTagStr16) value = cur.Take(type - 0x10u);
                else return out;  // unknown type: the layout beyond is unknown
        }
        if (!value && !number) break;  // ran past the end

        if (id == kIdName && type == kTagString && !out.hasName) {
            std::string_view name = *value;
            if (name.substr(0, kBom.size()) == kBom) name.remove_prefix(kBom.size());
            out.hasName = true;
            out.name.assign(name);
        } else if (id == kIdSize && number && !out.hasSize) {
            // Sizes up to 2^63-1 fit; larger values from a damaged file are not sizes.
            if (*number <= static_cast<uint64_t>(INT64_MAX)) {
                out.hasSize = true;
                out.size = static_cast<int64_t>(*number);
            }
        }
    }
    return out;
}

// Where the clients write the file hash, or npos when this is no layout we know.
size_t HashOffset(std::string_view bytes) {
    if (bytes.empty()) return std::string_view::npos;
    const uint8_t version = static_cast<uint8_t>(bytes[0]);
    const bool oldEdonkeyMark = bytes.size() >= 28 && bytes.substr(24, 4) == std::string_view("\x00\x00\x02\x01", 4);
    if (version == 0xE1 || (version == 0xE0 && oldEdonkeyMark)) {
        Cursor cur(bytes, 1);
        const auto atOne = cur.Le(4);
        if (!atOne) return std::string_view::npos;
        return *atOne == 0 ? 5 : 6;
    }
    if (version == 0xE0 || version == 0xE2) return 5;
    return std::string_view::npos;
}

}  // namespace

PartMetInfo ParsePartMet(std::string_view bytes) {
    PartMetInfo info;
    const size_t hashAt = HashOffset(bytes);
    if (hashAt != std::string_view::npos && bytes.size() >= hashAt + 16)
        info.hashText = HashText(reinterpret_cast<const unsigned char*>(bytes.data() + hashAt));

    const NameAndSize found = WalkTags(bytes, true);
    info.hasName = found.hasName;
    info.fileName = found.name;
    info.hasSize = found.hasSize;
    info.fileSize = found.size;
    return info;
}

std::string CutPartMetName(std::string_view bytes) { return WalkTags(bytes, false).name; }

void ReadPartMet(const std::string& path, std::string& fileName, std::string& hashText, int64_t& fileSize) {
    const std::optional<std::string> bytes = ReadWholeFile(path, kMaxPartMetBytes);
    if (!bytes) {
        // Vanished, unreadable, or too large to be a .part.met.
        hashText.clear();
        fileSize = 0;
        return;
    }
    const PartMetInfo info = ParsePartMet(*bytes);
    hashText = info.hashText;
    if (info.hasName) fileName = info.fileName;
    if (info.hasSize) fileSize = info.fileSize;
}

}  // namespace kv
