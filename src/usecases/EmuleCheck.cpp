#include "usecases/EmuleCheck.h"

#include <unordered_map>

#include "clients/TempDir.h"
#include "common/FileUtil.h"
#include "ed2k/PartMetReader.h"

namespace kv {
namespace {

struct LocalPart {
    std::string dir;
    std::string metFile;
};

// The .part.met files of the temp directories by the hash they hold. eMule's
// transfer page names no part file, so the hash is what ties the two.
std::unordered_map<Ed2kHash, LocalPart> LocalParts(const std::vector<std::string>& dirs) {
    std::unordered_map<Ed2kHash, LocalPart> parts;
    for (const std::string& dir : dirs) {
        const auto names = ListMetFiles(dir);
        if (!names) continue;
        for (const std::string& name : *names) {
            const auto download = ReadPartMet(JoinPath(dir, name));
            if (download && download->hash) parts.try_emplace(*download->hash, LocalPart{dir, name});
        }
    }
    return parts;
}

Finding Judge(const Download& d, const std::unordered_map<Ed2kHash, LocalPart>& local, const FakeCatalogue& fakes,
              const CheckRules& rules) {
    if (const auto it = d.hash ? local.find(*d.hash) : local.end(); it != local.end()) {
        Finding here = CheckOneDownload(it->second.dir, it->second.metFile, "", fakes, rules);
        if (here.problem == ReadProblem::None && here.download.hash == d.hash) return here;
    }
    Finding f;
    f.download = d;
    if (rules.inspect) {
        inspect::InspectOptions names;
        names.content = false;  // no bytes here to look at
        names.notes = true;
        f.inspected = inspect::JudgeDownload(f.download, "", names);
        f.bytesElsewhere = true;
    }
    JudgeByLists(f, fakes);
    return f;
}

void PauseIfListed(EmuleSession& session, AmuleFinding& af, std::optional<std::string>& givenUp) {
    const bool listed = af.finding.verdict.Listed();
    const bool running = af.view.state != AmuleState::Paused && af.view.state != AmuleState::Stopped;
    if (!listed || !running || !af.finding.download.hash) return;
    if (givenUp) {
        af.pauseError = *givenUp;
        return;
    }
    const auto done = session.Act(AmuleAction::Pause, *af.finding.download.hash);
    if (done) {
        af.paused = true;
        return;
    }
    af.pauseError = done.error().Describe();
    if (done.error().Broken()) givenUp = af.pauseError;
}

}  // namespace

std::expected<AmuleCheckResult, AmuleCheckFailure> CheckEmule(ListStore& lists, const AmuleCheckRequest& request,
                                                             AmuleCheckObserver* observer) {
    const Settings& settings = lists.home().settings;
    if (!StoredEmuleConnection(lists.home()))
        return std::unexpected(AmuleCheckFailure{AmuleCheckError::NoConnection, ""});
    const bool inspect = request.inspect.value_or(YesNo(settings.Read(Key::InspectContent)).IsYes());
    auto loaded = lists.Load(request.fakeList);
    if (!loaded) {
        const bool missing = loaded.error().kind == ListError::GivenListMissing;
        return std::unexpected(AmuleCheckFailure{
            missing ? AmuleCheckError::GivenListMissing : AmuleCheckError::GivenListUnreadable,
            loaded.error().cause.empty() ? loaded.error().path : loaded.error().path + ": " + loaded.error().cause});
    }
    if (!inspect && !loaded->mainExists && !loaded->anyList())
        return std::unexpected(AmuleCheckFailure{AmuleCheckError::NoList, loaded->mainPath});
    AmuleCheckResult result;
    result.lists = std::move(*loaded);

    auto session = EmuleSession::Open(lists.home());
    if (!session) return std::unexpected(AmuleCheckFailure{AmuleCheckError::Connection, session.error().Describe(),
                                                           session.error().where});
    auto queue = session->Queue();
    if (!queue)
        return std::unexpected(AmuleCheckFailure{AmuleCheckError::Connection, queue.error().Describe(), queue.error().where});

    std::vector<std::string> dirs;
    if (!request.tempDir.empty()) {
        dirs.push_back(request.tempDir);
    } else if (const std::string first = ConfiguredTempDir(settings); !first.empty()) {
        dirs.push_back(first);
        for (std::string& further : FurtherTempDirs(settings)) dirs.push_back(std::move(further));
    }
    const auto local = LocalParts(dirs);
    const bool listAll = request.listAll ? *request.listAll : ListAllSwitch(settings);
    std::optional<std::string> givenUp;
    if (observer) observer->Started(result.lists);
    for (Download& d : queue->downloads) {
        auto node = d.hash ? queue->views.extract(*d.hash) : decltype(queue->views)::node_type{};
        AmuleView view = node ? std::move(node.mapped()) : AmuleView{};
        AmuleFinding af{Judge(d, local, lists.catalogue(), {listAll, inspect}), std::move(view), false, ""};
        const Verdict& v = af.finding.verdict;
        ++result.checked;
        if (v.fake()) ++result.found;
        if (v.suspect()) ++result.suspects;
        if (af.finding.bytesElsewhere && !v.Listed()) ++result.notInspected;
        if (request.pauseFakes) PauseIfListed(*session, af, givenUp);
        if (v.Listed() || listAll) {
            if (observer) observer->Listed(std::move(af));
            else result.listed.push_back(std::move(af));
        }
        d = Download{};
    }
    return result;
}

std::expected<AmuleLinksAdded, AmuleCheckFailure> AddLinksToEmule(const ProgramHome& home,
                                                                 const std::vector<Ed2kLink>& links) {
    auto session = EmuleSession::Open(home);
    if (!session && session.error().kind == EmuleFailure::Kind::NoConnection)
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
