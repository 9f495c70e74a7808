#include "ed2k/Collection.h"

#include <algorithm>

#include "ed2k/LinkFinder.h"
#include "ed2k/MetTags.h"

namespace kv {

namespace {

constexpr uint8_t kTagName = 0x01;
constexpr uint8_t kTagSize = 0x02;
constexpr uint8_t kTagAich = 0x27;
constexpr uint8_t kTagHash = 0x28;
constexpr uint8_t kTagAuthor = 0x31;
constexpr uint8_t kTagAuthorKey = 0x32;

// eMule writes version 2 once a file is over the old size limit (441 parts),
// not at 4 GiB.
constexpr uint64_t kOldMaxFileSize = 4290048000ULL;

bool IsBase32(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '2' && c <= '7');
    });
}

std::unexpected<std::string> Fail(std::string text) { return std::unexpected(std::move(text)); }

// One file record's tags made into a link; nullopt (with `why`) when it lacks
// what a link needs.
std::optional<Ed2kLink> LinkFromTags(const std::vector<met::Tag>& tags, std::string& why) {
    const met::Tag* hash = nullptr;
    const met::Tag* size = nullptr;
    const met::Tag* name = nullptr;
    const met::Tag* aich = nullptr;
    for (const met::Tag& t : tags) {
        if (!t.name.empty()) continue;
        if (t.id == kTagHash && t.IsHash() && !hash) hash = &t;
        if (t.id == kTagSize && t.IsInt() && !size) size = &t;
        if (t.id == kTagName && t.IsString() && !name) name = &t;
        if (t.id == kTagAich && t.IsString() && !aich) aich = &t;
    }
    if (!hash) {
        why = "it has no file hash";
        return std::nullopt;
    }
    Ed2kLink link;
    link.hash = Ed2kHash::FromRaw(hash->bytes.data());
    if (!size || size->number == 0) {
        why = "it has no file size";
        return std::nullopt;
    }
    if (size->number >= kMaxEd2kFileSize) {
        why = "its file size is too large for an ed2k download";
        return std::nullopt;
    }
    link.size = size->number;
    if (name) link.name = std::string(met::WithoutBom(name->bytes));
    std::replace(link.name.begin(), link.name.end(), '/', '_');
    // The names a link may carry, so that a file read here is one its link reads back as.
    if (link.name.find_first_not_of(" \t\r\n") == std::string::npos) {
        why = "it has no file name";
        return std::nullopt;
    }
    if (link.name.find('\0') != std::string::npos) {
        why = "its file name contains a NUL byte";
        return std::nullopt;
    }
    if (aich && aich->bytes.size() == 32 && IsBase32(aich->bytes)) {
        link.aich = std::string(aich->bytes);
        for (char& c : link.aich)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return link;
}

std::expected<Collection, std::string> ReadBinary(std::string_view bytes) {
    met::ByteReader in(bytes);
    uint32_t version = 0, headerTags = 0;
    in.U32(version);
    if (!in.U32(headerTags)) return Fail("The collection ends inside its header.");

    Collection c;
    c.form = Collection::Form::kBinary;
    std::string why;
    for (uint32_t i = 0; i < headerTags; ++i) {
        met::Tag tag;
        if (!met::ReadTag(in, tag, &why)) return Fail("The collection header cannot be read: " + why + ".");
        if (!tag.name.empty()) continue;
        if (tag.id == kTagName && tag.IsString()) c.name = std::string(met::WithoutBom(tag.bytes));
        if (tag.id == kTagAuthor && tag.IsString()) c.author = std::string(met::WithoutBom(tag.bytes));
        if (tag.id == kTagAuthorKey && tag.type == met::kBlob) c.authorKey = std::string(tag.bytes);
    }
    uint32_t fileCount = 0;
    if (!in.U32(fileCount)) return Fail("The collection ends before its list of files.");

    // Counts come from the file: nothing is reserved from them, and every
    // step consumes bytes, so a false count ends at the end of the data.
    for (uint32_t f = 0; f < fileCount; ++f) {
        const std::string truncated = "The collection says it holds " + std::to_string(fileCount) +
                                      " files, but it ends inside file " + std::to_string(f + 1) + ".";
        uint32_t tagCount = 0;
        if (!in.U32(tagCount)) {
            c.errors.push_back(in.AtEnd() ? "The collection says it holds " + std::to_string(fileCount) +
                                                " files, but it ends after " + std::to_string(f) + "."
                                          : truncated);
            break;
        }
        std::vector<met::Tag> tags;
        bool broken = false;
        for (uint32_t t = 0; t < tagCount; ++t) {
            met::Tag tag;
            if (!met::ReadTag(in, tag, &why)) {
                broken = true;
                break;
            }
            tags.push_back(std::move(tag));
        }
        if (broken) {
            c.errors.push_back(in.AtEnd() ? truncated
                                          : "File " + std::to_string(f + 1) + " of the collection cannot be read: " +
                                                why + "; the rest is lost.");
            break;
        }
        if (auto link = LinkFromTags(tags, why))
            c.files.push_back(std::move(*link));
        else
            c.errors.push_back("File " + std::to_string(f + 1) + " of the collection is skipped: " + why + ".");
    }
    c.hasSignature = c.errors.empty() && !in.AtEnd();
    return c;
}

std::expected<Collection, std::string> ReadText(std::string_view bytes) {
    Collection c;
    c.form = Collection::Form::kText;
    bytes = met::WithoutBom(bytes);
    size_t lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const size_t nl = bytes.find('\n');
        std::string_view line = bytes.substr(0, nl);
        bytes.remove_prefix(nl == std::string_view::npos ? bytes.size() : nl + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::string where = "Line " + std::to_string(lineNumber) + ": ";
        if (line.size() > kMaxLinkLineLength) {
            c.errors.push_back(where + "longer than 64 KiB, skipped.");
            continue;
        }
        if (auto link = Ed2kLink::Parse(line))
            c.files.push_back(std::move(*link));
        else
            c.errors.push_back(where + link.error());
    }
    if (c.files.empty()) {
        std::string text = "This is not an eMule collection: it holds no ed2k file links.";
        if (!c.errors.empty()) text += " (" + c.errors.front() + ")";
        return Fail(text);
    }
    return c;
}

}  // namespace

std::expected<Collection, std::string> ReadCollection(std::string_view bytes) {
    if (bytes.size() >= 4) {
        met::ByteReader in(bytes);
        uint32_t version = 0;
        in.U32(version);
        if (version == 1 || version == 2) return ReadBinary(bytes);
    }
    return ReadText(bytes);
}

std::string WriteBinaryCollection(const Collection& collection) {
    const bool large = std::any_of(collection.files.begin(), collection.files.end(),
                                   [](const Ed2kLink& l) { return l.size > kOldMaxFileSize; });
    std::string out;
    met::PutU32(out, large ? 2 : 1);
    const bool withAuthor = !collection.author.empty() || !collection.authorKey.empty();
    met::PutU32(out, 1 + (withAuthor ? 1 : 0) + (collection.authorKey.empty() ? 0 : 1));
    met::PutLongStringTag(out, kTagName, met::WithBomKept(collection.name));
    if (withAuthor) met::PutLongStringTag(out, kTagAuthor, met::WithBomKept(collection.author));
    if (!collection.authorKey.empty()) met::PutLongBlobTag(out, kTagAuthorKey, collection.authorKey);

    met::PutU32(out, static_cast<uint32_t>(collection.files.size()));
    for (const Ed2kLink& file : collection.files) {
        met::PutU32(out, file.aich.empty() ? 3 : 4);
        met::PutShortHashTag(out, kTagHash, file.hash.bytes().data());
        met::PutShortIntTag(out, kTagSize, file.size);
        met::PutShortStringTag(out, kTagName, met::WithBomKept(file.name));
        if (!file.aich.empty()) met::PutShortStringTag(out, kTagAich, file.aich);
    }
    return out;
}

std::string WriteTextCollection(const Collection& collection) {
    std::string out;
    for (const Ed2kLink& file : collection.files) out += file.Text() + "\r\n";
    return out;
}

}  // namespace kv
