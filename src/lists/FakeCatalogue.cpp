#include "lists/FakeCatalogue.h"

#include <algorithm>

namespace kv {

std::string SignalReason(std::string description) {
    if (!description.empty() && description[0] >= 'A' && description[0] <= 'Z') description[0] += 'a' - 'A';
    return description;
}

void FakeCatalogue::Insert(Entry entry) {
    Remove(entry.slot);
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.rank > entry.rank; });
    entries_.insert(at, std::move(entry));
}

void FakeCatalogue::Put(FakeList list, ListRank rank, std::string slot, std::string descriptionPrefix) {
    if (slot.empty()) slot = list.name();
    Insert(Entry{std::move(slot), rank, std::move(list), std::move(descriptionPrefix), {}, MatchKind::Fake});
}

void FakeCatalogue::PutSignal(std::string name, std::string description, Lookup holds, MatchKind kind) {
    Insert(Entry{std::move(name), ListRank::ClientSignal, FakeList(), std::move(description), std::move(holds), kind});
}

void FakeCatalogue::Remove(std::string_view slot) {
    std::erase_if(entries_, [&](const Entry& e) { return e.slot == slot; });
}

bool FakeCatalogue::Has(std::string_view slot) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.slot == slot; });
}

std::optional<FakeMatch> FakeCatalogue::find(const Ed2kHash& hash) const {
    for (const Entry& e : entries_) {
        if (e.holds) {
            if (e.holds(hash)) return FakeMatch{e.description, e.slot, e.signalKind};
        } else if (const auto record = e.list.find(hash)) {
            // Only the user's own judgement may clear a download.
            if (e.rank == ListRank::Own && record->sizeText == kAllowedSizeField)
                return FakeMatch{std::string(record->description), e.list.name(), MatchKind::Allowed};
            return FakeMatch{e.description + std::string(record->description), e.list.name()};
        }
    }
    return std::nullopt;
}

void FakeCatalogue::Prefetch(const Ed2kHash& hash, int step) const {
    for (const Entry& e : entries_)
        if (!e.holds) e.list.Prefetch(hash, step);
}

const FakeList* FakeCatalogue::list(std::string_view slot) const {
    for (const Entry& e : entries_)
        if (e.slot == slot && !e.holds) return &e.list;
    return nullptr;
}

size_t FakeCatalogue::records() const {
    size_t n = 0;
    for (const Entry& e : entries_) n += e.list.size();
    return n;
}

}  // namespace kv
