#include "usecases/ReportText.h"

#include "common/StringUtil.h"

namespace kv {

std::string AllowedText(const std::string& reason) {
    return std::string(kOkDescription) + "(allowed by you" + (reason.empty() ? "" : ": " + reason) + ")";
}

std::string VerdictOf(const Finding& f) {
    switch (f.problem) {
        case ReadProblem::None: break;
        case ReadProblem::Unreadable: return "*** Not checked: the .met file could not be read";
        case ReadProblem::TooLarge: return "*** Not checked: the .met file is larger than 64 MiB, no .part.met";
        case ReadProblem::NoDownload: return "*** Not checked: the .met file is empty or damaged";
        case ReadProblem::DirectoryUnlisted: return "*** Not checked: the temp directory could not be listed";
    }
    if (f.allowed) return AllowedText(f.description);
    if (f.note()) return std::string(kOkDescription) + "(note: " + f.suspicion->reason + ")";
    std::string verdict = f.fake ? f.description
                          : f.suspicion ? inspect::SuspectText(f.suspicion->reason)
                                        : std::string(kOkDescription);
    if (f.fromBackup) verdict += " (read from the client's backup " + f.download.metFile + ")";
    return verdict;
}

std::string CheckFinished(int32_t found, int32_t suspects, int32_t checked, int32_t unreadable) {
    const std::string counted = suspects > 0 ? " Fakes and " + DecimalText(suspects) + " Suspects in " : " Fakes in ";
    std::string text = "Finished! Found " + DecimalText(found) + counted + DecimalText(checked, true) + " checked .part.met";
    if (unreadable > 0) text += ", " + DecimalText(unreadable) + " could not be read";
    return text;
}

std::string LinkVerdictText(const LinkFinding& f) {
    switch (f.verdict) {
        case LinkVerdict::Fake:
            // A record without a description still has to read as a fake.
            return f.description.empty() ? "Fake (" + f.listName + ")" : f.description;
        case LinkVerdict::Suspect: return kSuspectPrefix + f.suspect;
        case LinkVerdict::Malformed: return kMalformedPrefix + f.error;
        case LinkVerdict::Ok: break;
    }
    return f.allowed ? AllowedText(f.description) : std::string(kOkDescription);
}

std::string LinkShownName(const LinkFinding& f) { return f.link ? f.link->name : f.raw; }

std::string LinkRow(const LinkFinding& f) {
    return std::to_string(f.line) + TAB + LinkShownName(f) + TAB + LinkVerdictText(f);
}

namespace {
std::string Counted(int64_t n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }
}  // namespace

std::string LinkCheckFinished(size_t links, int32_t fakes, int32_t suspects, int32_t malformed) {
    return Counted(static_cast<int64_t>(links), "link", "links") + ": " + Counted(fakes, "fake", "fakes") + ", " +
           Counted(suspects, "suspect", "suspects") + ", " + std::to_string(malformed) + " malformed";
}

std::string LinkCheckSummary(const LinkReport& report) {
    return LinkCheckFinished(report.links(), report.fakes, report.suspects, report.malformed);
}

}  // namespace kv
