#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kHash.h"
#include "lists/FakeList.h"

namespace kv {

// What a list says of a hash.
enum class MatchKind {
    Fake,     // a list names it a fake
    Allowed,  // the user's own list says it is not a fake, whatever the others say
    Suspect,  // a client remembers something against it that is no proof (a cancel)
};

// An own-list record whose size field says this marks a hash as not a fake.
inline constexpr std::string_view kAllowedSizeField = "allowed";

// Which list named a download, and what it says.
struct FakeMatch {
    std::string description;
    std::string listName;
    MatchKind kind = MatchKind::Fake;
};

// Where a list stands among the others: lower ranks are consulted first, so
// the user's own judgement wins over a downloaded list, and a downloaded list
// over what the client remembers.
enum class ListRank { Own = 0, Downloaded = 1, ClientSignal = 2 };

// A signal's description as a suspect's reason: "Cancelled before in aMule" -> "cancelled before in aMule".
std::string SignalReason(std::string description);

// Every list the check consults, in order; the first naming a hash wins.
class FakeCatalogue {
public:
    using Lookup = std::function<bool(const Ed2kHash&)>;

    // Replaces the list in slot (by default its name), or adds it in its
    // rank's place (after the lists of the same rank already there).
    // descriptionPrefix goes before the description of every match it gives.
    void Put(FakeList list, ListRank rank, std::string slot = "", std::string descriptionPrefix = "");
    // A hash set kept by a client (spam marks, cancelled downloads): a hash it
    // holds is named with description, as kind says.
    void PutSignal(std::string name, std::string description, Lookup holds, MatchKind kind = MatchKind::Fake);
    void Remove(std::string_view slot);
    bool Has(std::string_view slot) const;
    void Clear() { entries_.clear(); }

    std::optional<FakeMatch> find(const Ed2kHash& hash) const;
    // See FakeList::Prefetch: for every list.
    void Prefetch(const Ed2kHash& hash, int step) const;
    const FakeList* list(std::string_view slot) const;
    // Records in all lists (signals not counted).
    size_t records() const;

private:
    struct Entry {
        std::string slot;
        ListRank rank;
        FakeList list;               // for lists
        std::string description;     // for signals; for lists, the prefix of their descriptions
        Lookup holds;                // for signals
        MatchKind signalKind = MatchKind::Fake;
    };
    void Insert(Entry entry);
    std::vector<Entry> entries_;
};

}  // namespace kv
