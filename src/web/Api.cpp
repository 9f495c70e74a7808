#include "web/Api.h"

#include <charconv>
#include <cstdio>

#include "common/DisplayText.h"
#include "settings/Home.h"
#include "usecases/AmuleLinks.h"
#include "usecases/AmuleSession.h"
#include "usecases/JsonRows.h"
#include "usecases/LinkCheck.h"
#include "usecases/ListsOverview.h"
#include "usecases/OwnListEdit.h"
#include "usecases/UpdateLists.h"
#include "web/PageAsset.h"

namespace kv::web {

namespace {

using Clock = std::chrono::steady_clock;

const char* CheckErrorName(CheckError e) {
    switch (e) {
        case CheckError::NoList: return "no-list";
        case CheckError::GivenListMissing: return "list-missing";
        case CheckError::GivenListUnreadable: return "list-unreadable";
        case CheckError::NoTempDirSetting: return "no-temp-dir";
        case CheckError::TempDirMissing: return "temp-dir-missing";
        case CheckError::TempDirUnreadable: return "temp-dir-unreadable";
    }
    return "failed";
}

OrderedJson FailureJson(const CheckFailure& f) {
    return {{"error", CheckErrorName(f.kind)}, {"path", ToDisplayUtf8(f.path)}, {"cause", ToDisplayUtf8(f.cause)}};
}

std::string Etag(std::string_view body) {
    uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
    for (const char c : body) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    char text[24];
    std::snprintf(text, sizeof text, "\"%016llx\"", static_cast<unsigned long long>(h));
    return text;
}

Response Json(int status, const OrderedJson& body) {
    Response r;
    r.status = status;
    r.contentType = "application/json";
    r.body = JsonDump(body) + "\n";
    return r;
}

// Every answer: nothing from elsewhere runs in the page, nothing is sniffed, no frame holds it.
void Secure(Response& r, const std::string& path) {
    r.headers.emplace_back("Content-Security-Policy",
                           "default-src 'self'; frame-ancestors 'none'; base-uri 'none'; form-action 'self'");
    r.headers.emplace_back("X-Content-Type-Options", "nosniff");
    r.headers.emplace_back("Referrer-Policy", "no-referrer");
    r.headers.emplace_back("X-Frame-Options", "DENY");
    r.headers.emplace_back("Cache-Control", path.starts_with("/api/") || path == "/health" ? "no-store" : "no-cache");
}

// The rows of one check, as check --json writes them.
class Collector final : public CheckProgress {
public:
    explicit Collector(std::string& out) : json_(out) {}
    bool TakesFindings() const override { return true; }
    void Listed(const Finding& f) override { json_.Add(FindingJson(f)); }
    void Take(Finding&& f) override { json_.Add(FindingJson(f)); }
    void Close() { json_.Close(); }

private:
    JsonArrayWriter json_;
};

}  // namespace

std::string EventLog::Append(std::string_view type, const std::string& data) {
    const uint64_t number = next_++;
    std::string frame = "id: " + boot_ + "-" + std::to_string(number) + "\nevent: ";
    frame += type;
    frame += "\ndata: " + data + "\n\n";
    frames_.emplace_back(number, frame);
    if (frames_.size() > kKept) frames_.pop_front();
    return frame;
}

std::string EventLog::Since(std::string_view lastId) const {
    const size_t dash = lastId.rfind('-');
    uint64_t number = 0;
    const bool ours = dash != std::string_view::npos && lastId.substr(0, dash) == boot_ &&
                      std::from_chars(lastId.data() + dash + 1, lastId.data() + lastId.size(), number).ec == std::errc();
    const uint64_t first = frames_.empty() ? next_ : frames_.front().first;
    if (!ours || number >= next_ || number + 1 < first)
        return "id: " + boot_ + "-" + std::to_string(next_ - 1) + "\nevent: reset\ndata: {}\n\n";
    std::string out;
    for (const auto& [n, frame] : frames_)
        if (n > number) out += frame;
    return out;
}

Api::Api(HomeDirs dirs, ServeOptions options, Gate gate)
    : dirs_(std::move(dirs)), options_(std::move(options)), gate_(std::move(gate)),
      events_(std::to_string(std::chrono::duration_cast<std::chrono::seconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count())) {}

void Api::Attach(HttpServer& server) {
    server_ = &server;
    // Whether aMule answers: now, then every minute (a login, nothing more).
    worker_.Add([this] { ProbeAmule(); });
    worker_.Every(60'000, [this] { ProbeAmule(); });
    // A comment line now and then keeps proxies and browsers from taking a quiet stream for a dead one.
    server.Every(15'000, [this] {
        if (server_->Streams() > 0) server_->Broadcast(": keep-alive\n\n");
    });
}

void Api::Finish(ConnectionId id, Response response) {
    Secure(response, "/api/");
    server_->Reply(id, std::move(response));
}

void Api::Publish(std::string type, std::string data) {
    server_->Post([this, type = std::move(type), data = std::move(data)] {
        server_->Broadcast(events_.Append(type, data));
    });
}

std::optional<Response> Api::Handle(Request& r, ConnectionId id) {
    std::optional<Response> response = Route(r, id);
    if (response) Secure(*response, r.path);
    return response;
}

std::optional<Response> Api::Route(Request& r, ConnectionId id) {
    const auto now = Clock::now();
    if (r.path == "/health") return r.method == "GET" ? Health() : JsonError(405, "method not allowed");
    const bool get = r.method == "GET";
    if (auto login = gate_.Login(r, now)) return login;
    // The page's files hold no secret: a page that asks for the token may show before it.
    if (r.path.starts_with("/assets/") && get && gate_.HostAllowed(r))
        if (const std::optional<PageFile> file = PageAsset(r.path)) {
            Response asset;
            asset.contentType = std::string(file->contentType);
            asset.body = std::string(file->bytes);
            return asset;
        }
    if (auto refused = gate_.Check(r, now)) return refused;
    if (r.path == "/api/v1/findings") {
        if (!get) return JsonError(405, "method not allowed");
        if (!snapshot_.ready) {
            waiting_.push_back(id);
            return std::nullopt;
        }
        return Findings(r);
    }
    if (r.path == "/api/v1/events") return get ? Events(r) : JsonError(405, "method not allowed");
    if (r.path == "/api/v1/check") {
        if (r.method != "POST") return JsonError(405, "method not allowed");
        CheckSoon(true);
        return Json(202, {{"checking", true}});
    }
    if (r.path == "/api/v1/status") return get ? Status() : JsonError(405, "method not allowed");
    if (r.path.starts_with("/api/v1/downloads/")) {
        if (r.method != "POST") return JsonError(405, "method not allowed");
        return Download(r, id);
    }
    if (r.path == "/api/v1/links" || r.path == "/api/v1/links/amule") {
        if (r.method != "POST") return JsonError(405, "method not allowed");
        return Links(r, id, r.path.ends_with("/amule"));
    }
    if (r.path == "/api/v1/lists") return get ? Defer(id, [this] { return Lists(); }) : JsonError(405, "method not allowed");
    if (r.path == "/api/v1/lists/update") {
        if (r.method != "POST") return JsonError(405, "method not allowed");
        return Defer(id, [this] { return Update(); });
    }
    if (r.path.starts_with("/api/")) return JsonError(404, "no such resource");
    if (!get) return JsonError(405, "method not allowed");
    if (const std::optional<PageFile> file = PageAsset(r.path)) {
        Response page;
        page.contentType = std::string(file->contentType);
        page.body = std::string(file->bytes);
        return page;
    }
    return JsonError(404, "no such page");
}

Response Api::Health() const {
    return Json(200, {{"status", "ok"},
                      {"watching", watching_},
                      {"check", !snapshot_.ready ? "pending" : snapshot_.failure ? "failed" : "ok"}});
}

Response Api::Findings(const Request& r) const {
    if (snapshot_.failure) return Json(503, FailureJson(*snapshot_.failure));
    Response response;
    response.headers.emplace_back("ETag", snapshot_.etag);
    if (const std::string* match = r.Header("if-none-match"); match && *match == snapshot_.etag) {
        response.status = 304;
        return response;
    }
    response.contentType = "application/json";
    response.body = snapshot_.body;
    return response;
}

Response Api::Events(const Request& r) {
    Response stream;
    stream.stream = true;
    stream.contentType = "text/event-stream";
    stream.headers.emplace_back("X-Accel-Buffering", "no");  // a proxy in front passes each event on at once
    stream.body = "retry: 3000\n\n";
    const std::string* last = r.Header("last-event-id");
    const std::optional<std::string> fromQuery = QueryValue(r.query, "lastEventId");
    if (last || fromQuery) stream.body += events_.Since(last ? *last : *fromQuery);
    return stream;
}

void Api::Adopt(Snapshot snapshot) {
    const bool changed = !snapshot_.ready || snapshot.etag != snapshot_.etag ||
                         snapshot.failure.has_value() != snapshot_.failure.has_value();
    snapshot_ = std::move(snapshot);
    for (const ConnectionId id : waiting_) {
        Request none;
        Finish(id, Findings(none));
    }
    waiting_.clear();
    if (!changed) return;
    OrderedJson data = {{"etag", snapshot_.etag}, {"ok", !snapshot_.failure}};
    if (snapshot_.failure) data["failure"] = FailureJson(*snapshot_.failure);
    server_->Broadcast(events_.Append("findings", JsonDump(data)));
}

void Api::CheckSoon(bool urgent) {
    {
        std::lock_guard lock(mutex_);
        (urgent ? urgent_ : changed_) = true;
    }
    wake_.notify_all();
}

void Api::StopChecking() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

void Api::CheckLoop() {
    Clock::time_point last{};
    std::unique_lock lock(mutex_);
    for (bool first = true;; first = false) {
        if (!first) {
            wake_.wait(lock, [&] { return stop_ || urgent_ || changed_; });
            if (stop_) return;
            // A burst of changes is checked once, when it has settled; the
            // client's own rewrites at most every kRecheckMs.
            const bool urgent = urgent_;
            const auto until = urgent ? std::max(Clock::now() + std::chrono::milliseconds(kSettleMs),
                                                 last + std::chrono::milliseconds(kGapMs))
                                      : std::max(Clock::now(), last + std::chrono::milliseconds(kRecheckMs));
            wake_.wait_until(lock, until, [&] { return stop_ || (!urgent && urgent_); });
            if (stop_) return;
            if (!urgent && urgent_) continue;
            urgent_ = changed_ = false;
        }
        lock.unlock();
        last = Clock::now();
        Snapshot snapshot;
        snapshot.ready = true;
        ListStore lists(ProgramHome::At(dirs_));  // the settings as they are now
        Collector rows(snapshot.body);
        CheckRequest request;
        request.tempDir = options_.tempDir;
        request.fakeList = options_.fakesFile;
        const auto result = CheckTempDirs(lists, request, &rows);
        if (result) {
            rows.Close();
            snapshot.etag = Etag(snapshot.body);
        } else {
            snapshot.body.clear();
            snapshot.failure = result.error();
        }
        server_->Post([this, s = std::move(snapshot)]() mutable { Adopt(std::move(s)); });
        last = Clock::now();  // the gap runs from the end of the check
        lock.lock();
    }
}

void Api::WatchStarted() {
    server_->Post([this] { watching_ = true; });
}

void Api::Found(const Finding& f) {
    Publish("finding", JsonDump(FindingJson(f)));
    CheckSoon(true);
}

void Api::Problem(const CheckFailure& failure) {
    Publish("problem", JsonDump(FailureJson(failure)));
    CheckSoon(true);
}

void Api::Notice(const WatchNotice& n) {
    switch (n.kind) {
        case WatchNotice::Kind::Gone: Publish("gone", JsonDump(OrderedJson{{"part", ToDisplayUtf8(n.path)}})); break;
        case WatchNotice::Kind::ListReloaded:
        case WatchNotice::Kind::Reloaded: Publish("lists", JsonDump(OrderedJson{{"path", ToDisplayUtf8(n.path)}})); break;
        case WatchNotice::Kind::ListKept:
            Publish("lists", JsonDump(OrderedJson{{"path", ToDisplayUtf8(n.path)}, {"unreadable", true}}));
            break;
    }
    CheckSoon(true);
}

void Api::FilesChanged() { CheckSoon(false); }

Worker::Worker() : thread_([this] { Run(); }) {}

Worker::~Worker() { Stop(); }

bool Worker::Add(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        if (stop_ || jobs_.size() >= kMaxWaiting) return false;
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
    return true;
}

void Worker::Every(int intervalMs, std::function<void()> fn) {
    {
        std::lock_guard lock(mutex_);
        tick_ = std::move(fn);
        tickEvery_ = std::chrono::milliseconds(intervalMs);
    }
    wake_.notify_all();
}

void Worker::Stop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        jobs_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void Worker::Run() {
    std::unique_lock lock(mutex_);
    auto nextTick = Clock::time_point::max();
    for (;;) {
        if (tick_ && nextTick == Clock::time_point::max()) nextTick = Clock::now() + tickEvery_;
        const auto due = [&] { return stop_ || !jobs_.empty() || (tick_ && nextTick == Clock::time_point::max()); };
        if (nextTick == Clock::time_point::max()) wake_.wait(lock, due);
        else wake_.wait_until(lock, nextTick, due);
        if (stop_) return;
        std::function<void()> job;
        if (!jobs_.empty()) {
            job = std::move(jobs_.front());
            jobs_.pop_front();
        } else if (tick_ && Clock::now() >= nextTick) {
            job = tick_;
            nextTick = Clock::time_point::max();
        } else {
            continue;
        }
        lock.unlock();
        job();
        lock.lock();
    }
}

void Api::StopWork() { worker_.Stop(); }

std::optional<Response> Api::Defer(ConnectionId id, std::function<Response()> work) {
    const bool queued = worker_.Add([this, id, work = std::move(work)] {
        Response response = work();
        server_->Post([this, id, response = std::move(response)]() mutable { Finish(id, std::move(response)); });
    });
    if (!queued) return JsonError(503, "busy; try again");
    return std::nullopt;
}

namespace {

std::optional<AmuleAction> ActionNamed(std::string_view name) {
    for (const AmuleAction a : {AmuleAction::Pause, AmuleAction::Resume, AmuleAction::Stop, AmuleAction::Cancel})
        if (name == AmuleActionName(a)) return a;
    return std::nullopt;
}

Response AmuleRefused(const AmuleFailure& f) {
    if (f.kind == AmuleFailure::Kind::NoConnection)
        return JsonError(409, "no aMule connection stored (kestrivane-cli amule connect)");
    Response r = Json(502, {{"error", ToDisplayUtf8(f.Describe())}, {"where", ToDisplayUtf8(f.where)}});
    return r;
}

const char* TargetErrorName(TargetError e) {
    switch (e) {
        case TargetError::NotPartOrHash: return "not a part or a hash";
        case TargetError::NoTempDir: return "no temp directory";
        case TargetError::NoHash: return "the download has no hash";
        case TargetError::NoSuchPart: return "no such download";
        case TargetError::NotInAmule: return "aMule has no such download";
        case TargetError::AmuleFailed: return "aMule could not be asked";
    }
    return "no such download";
}

}  // namespace

std::optional<Response> Api::Download(const Request& r, ConnectionId id) {
    // /api/v1/downloads/{hash or part}/{action}
    const std::string rest = r.path.substr(std::string_view("/api/v1/downloads/").size());
    const size_t slash = rest.find('/');
    if (slash == std::string::npos || slash == 0) return JsonError(404, "no such resource");
    std::string target = rest.substr(0, slash), action = rest.substr(slash + 1);
    const std::optional<AmuleAction> amule = ActionNamed(action);
    if (!amule && action != "allow" && action != "mark" && action != "unmark") return JsonError(404, "no such action");
    std::string reason;
    std::optional<uint64_t> size;
    if (!r.body.empty()) {
        const nlohmann::json body = nlohmann::json::parse(r.body, nullptr, false);
        if (!body.is_object()) return JsonError(400, "the body is no JSON object");
        if (body.contains("reason") && body["reason"].is_string()) reason = body["reason"].get<std::string>();
        if (body.contains("size") && body["size"].is_number_unsigned()) size = body["size"].get<uint64_t>();
    }
    if (action == "mark" && reason.empty()) return JsonError(400, "a mark needs a reason");
    return Defer(id, [this, target, action, amule, reason, size]() -> Response {
        const ProgramHome home = ProgramHome::At(dirs_);
        const auto resolved = ResolveDownloadTarget(home, target, size, options_.tempDir);
        if (!resolved)
            return JsonError(resolved.error().kind == TargetError::NotPartOrHash ? 400 : 404,
                             TargetErrorName(resolved.error().kind));
        const DownloadTarget& t = *resolved;
        const OrderedJson done = {{"hash", t.hash.ToHex()}, {"action", action}, {"name", ToDisplayUtf8(t.name)}};
        if (amule) {
            auto session = AmuleSession::Open(home);
            if (!session) return AmuleRefused(session.error());
            if (auto acted = session->Act(*amule, t.hash); !acted) return AmuleRefused(acted.error());
        } else {
            const auto edit = action == "mark"    ? MarkInOwnList(home, t, reason)
                              : action == "allow" ? AllowInOwnList(home, t, reason)
                                                  : UnmarkInOwnList(home, t.hash);
            if (!edit) {
                if (edit.error().kind == ListEditError::Busy)
                    return JsonError(409, "another Kestrivane is writing the own list; try again");
                return JsonError(500, ToDisplayUtf8(edit.error().failure));
            }
        }
        Publish("action", JsonDump(done));
        return Json(200, done);
    });
}

std::optional<Response> Api::Links(const Request& r, ConnectionId id, bool toAmule) {
    return Defer(id, [this, text = r.body, toAmule]() -> Response {
        ListStore lists(ProgramHome::At(dirs_));
        class Rows final : public LinkProgress {
        public:
            explicit Rows(std::string& out, bool keep) : json(out), keep_(keep) {}
            void Take(LinkFinding&& f) override {
                json.Add(LinkJson(f));
                if (keep_) findings.push_back(std::move(f));
            }
            JsonArrayWriter json;
            std::vector<LinkFinding> findings;

        private:
            bool keep_;
        };
        std::string body;
        Rows rows(body, toAmule);
        auto checked = CheckLinksIn(lists, text, options_.fakesFile, &rows);
        if (!checked) return JsonError(400, "the links could not be checked");
        rows.json.Close();
        if (!toAmule) {
            Response response;
            response.contentType = "application/json";
            response.body = std::move(body);
            return response;
        }
        checked->findings = std::move(rows.findings);
        const auto added = AddLinksToAmule(ProgramHome::At(dirs_), CleanLinks(*checked));
        if (!added) return JsonError(502, "aMule could not be reached");
        OrderedJson refused = OrderedJson::array();
        for (const auto& no : added->refused)
            refused.push_back({{"name", ToDisplayUtf8(no.name)}, {"why", ToDisplayUtf8(no.why)}});
        return Json(200, {{"added", added->added}, {"refused", refused}});
    });
}

Response Api::Lists() const {
    const auto overview = OverviewOfLists(ProgramHome::At(dirs_), options_.fakesFile);
    if (!overview) return Json(503, {{"error", "list-unreadable"}, {"path", ToDisplayUtf8(overview.error().path)},
                                     {"cause", ToDisplayUtf8(overview.error().cause)}});
    const ListsLoaded& l = overview->loaded;
    OrderedJson own = OrderedJson::array();
    for (const OwnRecord& o : overview->own)
        own.push_back({{"hash", o.hash}, {"size", o.size ? OrderedJson(*o.size) : OrderedJson(nullptr)},
                       {"allowed", o.allowed}, {"description", ToDisplayUtf8(o.description)}});
    OrderedJson problems = OrderedJson::array();
    for (const std::string& p : l.extra.problems) problems.push_back(ToDisplayUtf8(p));
    return Json(200, {{"main", {{"path", ToDisplayUtf8(l.mainPath)}, {"exists", l.mainExists}, {"loaded", l.mainLoaded}}},
                      {"records", l.records},
                      {"ownRecords", l.extra.ownRecords},
                      {"sourceLists", l.extra.sourceLists},
                      {"signalFiles", l.extra.signalFiles.size()},
                      {"problems", problems},
                      {"own", own}});
}

Response Api::Update() {
    class Quiet final : public UpdateObserver {
    public:
        TransferProgress* Progress(bool) override { return &silent_; }
        void TransferEnded(const DownloadResult& result, const std::string&, const std::string&, bool) override {
            if (!result.ok() && !result.networkError.empty()) error = result.networkError;
        }
        std::string error;

    private:
        class Silent final : public TransferProgress {
            void Read(size_t) override {}
            void Waiting() override {}
        } silent_;
    } observer;
    ListUpdater updater(ProgramHome::At(dirs_), OnlineSetup{});
    const auto done = updater.Update(observer);
    if (!done) return Json(502, {{"updated", false}, {"error", ToDisplayUtf8(observer.error.empty() ? "the update failed" : observer.error)}});
    Publish("lists", JsonDump(OrderedJson{{"updated", true}}));
    return Json(200, {{"updated", true}, {"fetched", done->listFetched}});
}

Response Api::Status() const {
    Response r = Health();
    r.body = "{\"watching\":" + std::string(watching_ ? "true" : "false") + ",\"check\":" +
             (!snapshot_.ready ? "\"pending\"" : snapshot_.failure ? JsonDump(FailureJson(*snapshot_.failure)) : "\"ok\"") +
             ",\"amule\":" + amule_ + "}\n";
    return r;
}

void Api::ProbeAmule() {
    const ProgramHome home = ProgramHome::At(dirs_);
    OrderedJson state;
    bool connected = false;
    if (!StoredAmuleConnection(home)) {
        state = {{"configured", false}, {"connected", false}};
    } else {
        auto session = AmuleSession::Open(home);
        connected = session.has_value();
        state = {{"configured", true}, {"connected", connected}};
        if (session) state["version"] = ToDisplayUtf8(session->ServerVersion()), state["where"] = ToDisplayUtf8(session->Where());
        else state["error"] = ToDisplayUtf8(session.error().Describe()), state["where"] = ToDisplayUtf8(session.error().where);
    }
    const bool changed = amuleConnected_ != connected;
    amuleConnected_ = connected;
    server_->Post([this, text = JsonDump(state), changed] {
        amule_ = text;
        if (changed) server_->Broadcast(events_.Append("amule", text));
    });
}

}  // namespace kv::web
