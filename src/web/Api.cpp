#include "web/Api.h"

#include <charconv>
#include <cstdio>

#include "common/DisplayText.h"
#include "settings/Home.h"
#include "usecases/JsonRows.h"
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
    if (auto login = gate_.Login(r, now)) return login;
    if (auto refused = gate_.Check(r, now)) return refused;
    const bool get = r.method == "GET";
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
            const auto until = urgent ? Clock::now() + std::chrono::milliseconds(kSettleMs)
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

}  // namespace kv::web
