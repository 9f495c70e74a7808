#include "ed2k/ClientSignals.h"

#include <cstring>

#include "ed2k/Md5.h"
#include "ed2k/MetTags.h"

namespace kv {

namespace {

// SearchSpam.met
constexpr uint8_t kSpamHeader = 0x0F;
constexpr uint8_t kSpamFullName = 0x01;
constexpr uint8_t kSpamHash = 0x02;
constexpr uint8_t kSpamNotSpamHash = 0x03;
constexpr uint8_t kSpamSize = 0x07;

// cancelled.met / canceled.met
constexpr uint8_t kEmuleCancelledOld = 0x0E;
constexpr uint8_t kEmuleCancelled = 0x0F;
constexpr uint8_t kEmuleCancelledVersion = 0x01;
constexpr uint8_t kAmuleCanceled = 0x21;

std::unexpected<std::string> Fail(std::string text) { return std::unexpected(std::move(text)); }

std::string Counted(uint32_t count, uint32_t read, const char* what) {
    return "The file says it holds " + std::to_string(count) + " " + what + ", but it ends after " +
           std::to_string(read) + ".";
}

}  // namespace

std::expected<SpamList, std::string> ReadSearchSpam(std::string_view bytes) {
    met::ByteReader in(bytes);
    uint8_t header = 0;
    if (!in.U8(header) || header != kSpamHeader)
        return Fail("This is not an eMule SearchSpam.met (wrong first byte).");
    uint32_t count = 0;
    if (!in.U32(count)) return Fail("The SearchSpam.met ends inside its header.");
    SpamList list;
    std::string why;
    for (uint32_t i = 0; i < count; ++i) {
        met::Tag tag;
        if (!met::ReadTag(in, tag, &why)) {
            return Fail(in.AtEnd() ? Counted(count, i, "entries")
                                                    : "Entry " + std::to_string(i + 1) +
                                                          " of the SearchSpam.met cannot be read: " + why + ".");
        }
        if (!tag.name.empty()) continue;
        // Later entries win, as in eMule's map of hashes.
        if (tag.id == kSpamHash && tag.IsHash()) {
            const Ed2kHash h = Ed2kHash::FromRaw(tag.bytes.data());
            list.spam.insert(h);
            list.notSpam.erase(h);
        } else if (tag.id == kSpamNotSpamHash && tag.IsHash()) {
            const Ed2kHash h = Ed2kHash::FromRaw(tag.bytes.data());
            list.notSpam.insert(h);
            list.spam.erase(h);
        } else if (tag.id == kSpamFullName && tag.IsString()) {
            list.names.emplace_back(met::WithoutBom(tag.bytes));
        } else if (tag.id == kSpamSize && tag.IsInt()) {
            list.sizes.push_back(tag.number);
        }
    }
    return list;
}

std::string WriteSearchSpam(const SpamList& list) {
    std::string body;
    uint32_t count = 0;
    for (const std::string& name : list.names) {
        met::PutShortStringTag(body, kSpamFullName, met::WithBomKept(name));
        ++count;
    }
    for (uint64_t size : list.sizes) {
        met::PutShortIntTag(body, kSpamSize, size);
        ++count;
    }
    for (const Ed2kHash& h : list.spam) {
        met::PutShortHashTag(body, kSpamHash, h.bytes().data());
        ++count;
    }
    for (const Ed2kHash& h : list.notSpam) {
        met::PutShortHashTag(body, kSpamNotSpamHash, h.bytes().data());
        ++count;
    }
    std::string out;
    met::PutU8(out, kSpamHeader);
    met::PutU32(out, count);
    return out + body;
}

Ed2kHash SaltedCancelledEntry(uint32_t seed, const Ed2kHash& fileHash) {
    std::string input;
    met::PutU32(input, seed);
    input.append(reinterpret_cast<const char*>(fileHash.bytes().data()), 16);
    return Ed2kHash(Md5(input));
}

bool CancelledList::Contains(const Ed2kHash& fileHash) const {
    if (form_ == Form::kEmuleSalted) return entries_.count(SaltedCancelledEntry(seed_, fileHash)) != 0;
    return entries_.count(fileHash) != 0;
}

std::expected<CancelledList, std::string> ReadCancelled(std::string_view bytes) {
    met::ByteReader in(bytes);
    uint8_t header = 0;
    if (!in.U8(header)) return Fail("The list of cancelled downloads is empty.");

    if (header == kAmuleCanceled) {
        // aMule: count, then plain 16-byte hashes.
        uint32_t count = 0;
        if (!in.U32(count)) return Fail("The canceled.met ends inside its header.");
        CancelledList list(CancelledList::Form::kAmule, 0);
        for (uint32_t i = 0; i < count; ++i) {
            std::string_view raw;
            if (!in.Bytes(16, raw)) return Fail(Counted(count, i, "hashes"));
            const Ed2kHash h = Ed2kHash::FromRaw(raw.data());
            if (!h.IsZero()) list.AddStored(h);
        }
        return list;
    }
    if (header != kEmuleCancelled && header != kEmuleCancelledOld)
        return Fail("This is not a list of cancelled downloads (wrong first byte).");

    // eMule: [version, seed,] count, then per entry a hash and a count of tags
    // kept for later versions. The old form (0x0E) stored plain hashes.
    const bool salted = header == kEmuleCancelled;
    uint32_t seed = 0;
    if (salted) {
        uint8_t version = 0;
        if (!in.U8(version) || !in.U32(seed))
            return Fail("The cancelled.met ends inside its header.");
        if (version > kEmuleCancelledVersion)
            return Fail("The cancelled.met has version " + std::to_string(version) +
                                                  ", newer than this program reads.");
    }
    uint32_t count = 0;
    if (!in.U32(count)) return Fail("The cancelled.met ends inside its header.");
    CancelledList list(salted ? CancelledList::Form::kEmuleSalted : CancelledList::Form::kEmuleUnsalted, seed);
    std::string why;
    for (uint32_t i = 0; i < count; ++i) {
        std::string_view raw;
        uint8_t tagCount = 0;
        if (!in.Bytes(16, raw) || !in.U8(tagCount)) return Fail(Counted(count, i, "entries"));
        for (uint8_t t = 0; t < tagCount; ++t) {
            met::Tag tag;
            if (!met::ReadTag(in, tag, &why))
                return Fail(in.AtEnd() ? Counted(count, i, "entries")
                                                             : "Entry " + std::to_string(i + 1) +
                                                                   " of the cancelled.met cannot be read: " + why + ".");
        }
        list.AddStored(Ed2kHash::FromRaw(raw.data()));
    }
    return list;
}

std::string WriteEmuleCancelled(uint32_t seed, const std::vector<Ed2kHash>& fileHashes) {
    std::string out;
    met::PutU8(out, kEmuleCancelled);
    met::PutU8(out, kEmuleCancelledVersion);
    met::PutU32(out, seed);
    met::PutU32(out, static_cast<uint32_t>(fileHashes.size()));
    for (const Ed2kHash& h : fileHashes) {
        const Ed2kHash salted = SaltedCancelledEntry(seed, h);
        out.append(reinterpret_cast<const char*>(salted.bytes().data()), 16);
        met::PutU8(out, 0);
    }
    return out;
}

std::string WriteAmuleCanceled(const std::vector<Ed2kHash>& fileHashes) {
    std::string out;
    met::PutU8(out, kAmuleCanceled);
    met::PutU32(out, static_cast<uint32_t>(fileHashes.size()));
    for (const Ed2kHash& h : fileHashes) out.append(reinterpret_cast<const char*>(h.bytes().data()), 16);
    return out;
}

}  // namespace kv
