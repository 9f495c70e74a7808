// Detectors on what the client itself wrote into the .part.met while it
// downloaded: corruption it saw, and whether any source ever had it all.
#include "inspect/Detector.h"
#include "inspect/ZeroParts.h"

namespace kv::inspect {

namespace {

// One or two corrupted parts happen with an honest file (a client with bad
// memory, a flaky line): a note. From three on someone is sending bad data.
constexpr uint64_t kCorruptPartsSuspect = 3;
// Never seen complete after two days of actual downloading time: a note
// only, since rare files have few and partial sources.
constexpr uint64_t kLongActive = 48 * 3600;

// How many distinct part numbers "3,7,12" holds (up to 100,000).
uint64_t CountParts(std::string_view list) {
    uint64_t count = 0;
    bool inNumber = false;
    for (const char c : list) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && !inNumber) ++count;
        inNumber = digit;
        if (count >= 100000) break;
    }
    return count;
}

class CorruptionDetector final : public Detector {
public:
    std::string_view id() const override { return "corruption"; }
    Reads reads() const override { return Reads::ClientTags; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const Download& d = e.download();
        if (const uint64_t parts = CountParts(d.corruptedParts); parts > 0) {
            return MakeSuspicion(Strength::ClientSawDamage,
                                 Reason{.kind = ReasonKind::CorruptedParts, .detail = d.corruptedParts, .count = parts},
                                 parts >= kCorruptPartsSuspect ? Severity::Suspect : Severity::Note);
        }
        if (d.corruptedBytes && *d.corruptedBytes > 0) {
            const bool many = *d.corruptedBytes >= kCorruptPartsSuspect * kPartSize;
            return MakeSuspicion(Strength::ClientSawDamage,
                                 Reason{.kind = ReasonKind::CorruptedBytes, .count = *d.corruptedBytes, .total = d.size},
                                 many ? Severity::Suspect : Severity::Note);
        }
        return {};
    }
};

// eMule writes FT_LASTSEENCOMPLETE only when a complete source was seen,
// aMule always (0 = never): absent and 0 both mean never.
class NeverCompleteDetector final : public Detector {
public:
    std::string_view id() const override { return "never-complete"; }
    Reads reads() const override { return Reads::ClientTags; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const Download& d = e.download();
        if (d.lastSeenComplete.value_or(0) != 0 || d.activeSeconds.value_or(0) < kLongActive) return {};
        return MakeSuspicion(Strength::ClientSawDamage,
                             Reason{.kind = ReasonKind::NeverComplete, .count = *d.activeSeconds}, Severity::Note);
    }
};

}  // namespace

std::unique_ptr<Detector> MakeCorruptionDetector() { return std::make_unique<CorruptionDetector>(); }
std::unique_ptr<Detector> MakeNeverCompleteDetector() { return std::make_unique<NeverCompleteDetector>(); }

}  // namespace kv::inspect
