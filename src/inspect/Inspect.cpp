#include "inspect/Inspect.h"

namespace kv::inspect {

namespace {

bool Allowed(Reads reads, const InspectOptions& o) {
    switch (reads) {
        case Reads::Name: return o.names;
        case Reads::PartHashes: return o.partHashes;
        case Reads::ClientTags: return o.clientTags;
        case Reads::Head: return o.content;
    }
    return false;
}

// Suspects before notes; among equals the stronger, then the earlier.
std::optional<Suspicion> Strongest(std::vector<Suspicion> found, bool notes) {
    std::optional<Suspicion> best;
    for (Suspicion& s : found) {
        if (s.severity == Severity::Note && !notes) continue;
        const bool better = !best || (s.severity == Severity::Suspect && best->severity == Severity::Note) ||
                            (s.severity == best->severity && s.strength > best->strength);
        if (better) best = std::move(s);
    }
    return best;
}

std::optional<std::string> SuspectReason(std::optional<Suspicion> s) {
    if (!s || s->severity != Severity::Suspect) return std::nullopt;
    return std::move(s->reason);
}

}  // namespace

std::vector<Suspicion> AllFindings(const Evidence& e, const InspectOptions& options) {
    std::vector<Suspicion> found;
    for (const auto& detector : Detectors()) {
        if (!Allowed(detector->reads(), options)) continue;
        if (auto s = detector->Examine(e)) found.push_back(std::move(*s));
    }
    return found;
}

std::optional<Suspicion> JudgeContent(std::string_view name, std::string_view head) {
    const Evidence e(name, head);
    return FindDetector("content")->Examine(e);
}

std::optional<std::string> InspectContent(std::string_view name, std::string_view head) {
    return SuspectReason(JudgeContent(name, head));
}

std::optional<Suspicion> JudgeDownload(const Download& d, const std::string& partPath,
                                       const InspectOptions& options) {
    const Evidence e(d, partPath);
    return Strongest(AllFindings(e, options), options.notes);
}

std::optional<Suspicion> JudgeDownloadAt(int dirFd, const Download& d, const std::string& partName,
                                         const InspectOptions& options) {
    const Evidence e(d, partName, dirFd);
    return Strongest(AllFindings(e, options), options.notes);
}

std::optional<std::string> InspectDownload(const Download& d, const std::string& partPath,
                                           const InspectOptions& options) {
    return SuspectReason(JudgeDownload(d, partPath, options));
}

std::string SuspectText(const std::string& reason) { return "Suspect: " + reason; }

}  // namespace kv::inspect
