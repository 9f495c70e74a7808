#include "usecases/AmuleLinks.h"

#include <unordered_set>


namespace kv {

std::vector<Ed2kLink> CleanLinks(const LinkReport& report) {
    std::vector<Ed2kLink> clean;
    std::unordered_set<Ed2kHash> seen;
    for (const LinkFinding& f : report.findings)
        if (f.verdict.kind == VerdictKind::Clean && f.link && seen.insert(f.link->hash).second) clean.push_back(*f.link);
    return clean;
}

std::expected<AmuleLinksAdded, AmuleCheckFailure> AddLinksToAmule(const ProgramHome& home,
                                                                 const std::vector<Ed2kLink>& links,
                                                                 ec::Timeouts timeouts) {
    auto session = AmuleSession::Open(home, timeouts);
    if (!session && session.error().kind == AmuleFailure::Kind::NoConnection)
        return std::unexpected(AmuleCheckFailure{AmuleCheckError::NoConnection, "", ""});
    if (!session)
        return std::unexpected(
            AmuleCheckFailure{AmuleCheckError::Connection, session.error().Describe(), session.error().where});
    AmuleLinksAdded result;
    for (const Ed2kLink& link : links) {
        const auto added = session->AddLink(link.Text());
        if (added) {
            ++result.added;
            continue;
        }
        result.refused.push_back({link.name, added.error().Describe()});
        if (added.error().Broken()) break;
    }
    return result;
}

}  // namespace kv
