#include "usecases/AmuleLinks.h"

#include <unordered_set>

#include "clients/amule/AmuleClient.h"
#include "common/Version.h"

namespace kv {

std::vector<Ed2kLink> CleanLinks(const LinkReport& report) {
    std::vector<Ed2kLink> clean;
    std::unordered_set<Ed2kHash> seen;
    for (const LinkFinding& f : report.findings)
        if (f.verdict == LinkVerdict::Ok && f.link && seen.insert(f.link->hash).second) clean.push_back(*f.link);
    return clean;
}

kv::expected<AmuleLinksAdded, AmuleCheckFailure> AddLinksToAmule(const ProgramHome& home,
                                                                 const std::vector<Ed2kLink>& links,
                                                                 ec::Timeouts timeouts) {
    const auto stored = ec::ReadStoredConnection(AmuleConnectionPath(home));
    if (!stored) return kv::unexpected(AmuleCheckFailure{AmuleCheckError::NoConnection, ""});
    auto client = ec::AmuleClient::Connect(*stored, {"kestrivane", kVersionText}, timeouts);
    if (!client) return kv::unexpected(AmuleCheckFailure{AmuleCheckError::Connection, ec::Describe(client.error())});
    AmuleLinksAdded result;
    for (const Ed2kLink& link : links) {
        const auto added = client->AddLink(link.Text());
        if (added) {
            ++result.added;
            continue;
        }
        result.refused.push_back({link.name, ec::Describe(added.error())});
        if (added.error().kind != ec::AmuleErrorKind::Failed) break;
    }
    return result;
}

}  // namespace kv
