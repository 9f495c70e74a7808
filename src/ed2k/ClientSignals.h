#pragma once

// What the clients themselves already know about files: eMule's search spam
// filter and both clients' lists of cancelled downloads.

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "ed2k/Ed2kHash.h"

namespace kv {

// eMule's SearchSpam.met: hashes the user marked as spam (or back as not spam),
// and the names and sizes eMule learned from them.
struct SpamList {
    std::unordered_set<Ed2kHash> spam;
    std::unordered_set<Ed2kHash> notSpam;  // marked spam once, then cleared by the user
    std::vector<std::string> names;        // full names of files marked as spam
    std::vector<uint64_t> sizes;           // their sizes

    bool IsSpam(const Ed2kHash& hash) const { return spam.count(hash) != 0; }
};

// What is wrong, for a person, when the file is not a SearchSpam.met or is cut short.
[[nodiscard]] std::expected<SpamList, std::string> ReadSearchSpam(std::string_view bytes);
// As eMule writes it: names, sizes, then the hashes.
std::string WriteSearchSpam(const SpamList& list);

// eMule's cancelled.met (entries salted with a per-file seed, or the old
// unsalted form) or aMule's canceled.met (plain hashes).
class CancelledList {
public:
    enum class Form { kEmuleSalted, kEmuleUnsalted, kAmule };

    CancelledList(Form form, uint32_t seed) : form_(form), seed_(seed) {}

    // Whether the download with this file hash was cancelled.
    bool Contains(const Ed2kHash& fileHash) const;
    size_t size() const { return entries_.size(); }
    Form form() const { return form_; }
    uint32_t seed() const { return seed_; }

    // An entry as it is stored (salted for kEmuleSalted).
    void AddStored(const Ed2kHash& entry) { entries_.insert(entry); }

private:
    Form form_;
    uint32_t seed_;
    std::unordered_set<Ed2kHash> entries_;
};

// eMule's salt: MD5 of the seed (4 bytes, little-endian) followed by the file hash.
Ed2kHash SaltedCancelledEntry(uint32_t seed, const Ed2kHash& fileHash);

// Either client's file, told apart by its first byte.
[[nodiscard]] std::expected<CancelledList, std::string> ReadCancelled(std::string_view bytes);

// Writers that build the files the way the clients do.
std::string WriteEmuleCancelled(uint32_t seed, const std::vector<Ed2kHash>& fileHashes);
std::string WriteAmuleCanceled(const std::vector<Ed2kHash>& fileHashes);

}  // namespace kv
