#include "shell/LinkRows.h"

#include "common/StringUtil.h"
#include "shell/Messages.h"

namespace kv {

std::string LinkVerdictText(const LinkFinding& f) {
    switch (f.verdict) {
        case LinkVerdict::Fake:
            // A record without a description still has to read as a fake.
            return f.description.empty() ? "Fake (" + f.listName + ")" : f.description;
        case LinkVerdict::Suspect: return msg::kSuspectPrefix + f.suspect;
        case LinkVerdict::Malformed: return msg::kMalformedPrefix + f.error;
        case LinkVerdict::Ok: break;
    }
    return msg::kOkDescription;
}

std::string LinkShownName(const LinkFinding& f) { return f.link ? f.link->name : f.raw; }

std::string LinkRow(const LinkFinding& f) {
    return std::to_string(f.line) + TAB + LinkShownName(f) + TAB + LinkVerdictText(f);
}

std::string LinkCheckSummary(const LinkReport& report) {
    return msg::LinkCheckFinished(report.links(), report.fakes, report.suspects, report.malformed);
}

}  // namespace kv
