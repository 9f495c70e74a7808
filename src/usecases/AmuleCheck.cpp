#include "usecases/AmuleCheck.h"

#include <numeric>

#include "common/FileUtil.h"
#include "ed2k/PartMetReader.h"
#include "inspect/Detector.h"

namespace kv {

namespace {

// What the sources' names say, beside what the .part.met and the bytes said.
void AddNetworkSignals(Finding& f, const FakeCatalogue& fakes) {
    const inspect::Detector* names = inspect::FindDetector("source-names");
    if (!names || f.download.sourceNames.empty()) return;
    // Only where it is stronger than what was found already: a suspect over a note, a note over nothing.
    auto said = names->Examine(inspect::Evidence(f.download));
    if (!said) return;
    const bool stronger = !f.inspected || (f.inspected->severity == inspect::Severity::Note &&
                                           said->severity == inspect::Severity::Suspect);
    if (!stronger) return;
    f.inspected = std::move(said);
    JudgeByLists(f, fakes);
}

// A download the client sent: read again from its .part.met when the temp
// directory is here, so that part hashes and the arrived bytes count too.
Finding JudgeOnce(const Download& d, const ec::ClientView& view, const std::string& tempDir, const FakeCatalogue& fakes,
                  const CheckRules& rules) {
    const std::string met = PartMetFileName(view.partMetId);
    if (!tempDir.empty() && view.partMetId != 0 && FileExists(JoinPath(tempDir, met))) {
        Finding local = CheckOneDownload(tempDir, met, "", fakes, rules);
        if (local.problem == ReadProblem::None && local.download.hash == d.hash) {
            // The names the sources give it are the network's, not the .part.met's.
            local.download.sourceNames = d.sourceNames;
            if (rules.inspect) AddNetworkSignals(local, fakes);
            return local;
        }
    }
    Finding f;
    f.part = PartNameOf(met);
    f.download = d;
    f.download.metFile = met;
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

std::expected<AmuleCheckResult, AmuleCheckFailure> LoadLists(ListStore& lists, const AmuleCheckRequest& request,
                                                            bool inspect) {
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
    return result;
}

// Pauses a listed download that runs. After a failure that leaves no
// connection (a timeout, above all) the rest is given up: each would wait as long.
void PauseIfListed(AmuleSession& session, AmuleFinding& af, std::optional<std::string>& givenUp) {
    const bool listed = af.finding.verdict.Listed();
    const bool running = af.view.state != ec::DownloadState::Paused && af.view.state != ec::DownloadState::Stopped;
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

AmuleCheckFailure ConnectionFailure(const AmuleFailure& failure) {
    if (failure.kind == AmuleFailure::Kind::NoConnection) return {AmuleCheckError::NoConnection, "", ""};
    return {AmuleCheckError::Connection, failure.Describe(), failure.where};
}

}  // namespace

std::optional<inspect::Suspicion> RatedFake(const ec::ClientView& view) {
    const uint32_t fake = view.ratings[1];
    const uint32_t rated = std::accumulate(view.ratings.begin() + 1, view.ratings.end(), uint32_t{0});
    if (fake == 0 || fake * 2 < rated) return std::nullopt;
    inspect::Reason why{.kind = inspect::ReasonKind::ClientRatings, .count = fake, .total = rated};
    for (const ec::Comment& c : view.comments) {
        if (c.rating == 1 && !c.text.empty()) {
            why.detail = c.text;
            break;
        }
    }
    return inspect::MakeSuspicion(inspect::Strength::TypeMismatch, std::move(why));
}

Finding JudgeAmuleDownload(const Download& d, const ec::ClientView& view, const std::string& tempDir,
                           const FakeCatalogue& fakes, const CheckRules& rules) {
    Download withNames = d;
    withNames.sourceNames = view.sourceNames;
    Finding f = JudgeOnce(withNames, view, tempDir, fakes, rules);
    // What other users say counts where nothing stronger was found.
    if (auto rated = RatedFake(view)) SuspectBy(f.verdict, std::move(*rated));
    return f;
}

std::expected<AmuleCheckResult, AmuleCheckFailure> CheckAmule(ListStore& lists, const AmuleCheckRequest& request,
                                                             ec::Timeouts timeouts, AmuleCheckObserver* observer) {
    const Settings& settings = lists.home().settings;
    if (!StoredAmuleConnection(lists.home())) return std::unexpected(AmuleCheckFailure{AmuleCheckError::NoConnection, ""});
    const bool inspect = request.inspect.value_or(YesNo(settings.Read(Key::InspectContent)).IsYes());
    auto result = LoadLists(lists, request, inspect);
    if (!result) return result;
    auto session = AmuleSession::Open(lists.home(), timeouts);
    if (!session) return std::unexpected(ConnectionFailure(session.error()));
    auto queue = session->Queue();
    if (!queue) return std::unexpected(ConnectionFailure(queue.error()));
    result->serverVersion = session->ServerVersion();
    const bool listAll = request.listAll ? *request.listAll : ListAllSwitch(settings);
    const std::string tempDir = request.tempDir.empty() ? ConfiguredTempDir(settings) : request.tempDir;
    std::optional<std::string> givenUp;
    if (observer) observer->Started(result->lists);
    for (Download& d : queue->downloads) {
        auto node = d.hash ? queue->views.extract(*d.hash) : decltype(queue->views)::node_type{};
        ec::ClientView view = node ? std::move(node.mapped()) : ec::ClientView{};
        // Braces evaluate in order: the view is judged before it moves into the finding.
        AmuleFinding af{JudgeAmuleDownload(d, view, tempDir, lists.catalogue(), {listAll, inspect}), std::move(view),
                        false, ""};
        Verdict& v = af.finding.verdict;
        ++result->checked;
        if (v.fake()) ++result->found;
        if (v.suspect()) ++result->suspects;
        if (af.finding.bytesElsewhere && !v.Listed()) ++result->notInspected;
        if (request.pauseFakes) PauseIfListed(*session, af, givenUp);
        if (v.Listed() || listAll) {
            if (observer) observer->Listed(std::move(af));
            else result->listed.push_back(std::move(af));
        }
        // What was judged is let go at once: a long queue is never held twice.
        d = Download{};
    }
    return result;
}

}  // namespace kv
