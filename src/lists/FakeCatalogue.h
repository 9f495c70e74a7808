#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kHash.h"
#include "lists/FakeList.h"

namespace kv {

// Which list named a download, and what it says.
struct FakeMatch {
    std::string description;
    std::string listName;
};

// Where a list stands among the others: lower ranks are consulted first, so
// the user's own judgement wins over a downloaded list, and a downloaded list
// over what the client remembers.
enum class ListRank { Own = 0, Downloaded = 1, ClientSignal = 2 };

// Every list the check consults, in order; the first naming a hash wins.
class FakeCatalogue {
public:
    using Lookup = std::function<bool(const Ed2kHash&)>;

    // Replaces the list in slot (by default its name), or adds it in its
    // rank's place (after the lists of the same rank already there).
    // descriptionPrefix goes before the description of every match it gives.
    void Put(FakeList list, ListRank rank, std::string slot = "", std::string descriptionPrefix = "");
    // A hash set kept by a client (spam marks, cancelled downloads): a hash it
    // holds is named with description.
    void PutSignal(std::string name, std::string description, Lookup holds);
    void Remove(std::string_view slot);
    bool Has(std::string_view slot) const;
    void Clear() { entries_.clear(); }

    std::optional<FakeMatch> find(const Ed2kHash& hash) const;
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
    };
    void Insert(Entry entry);
    std::vector<Entry> entries_;
};

}  // namespace kv
