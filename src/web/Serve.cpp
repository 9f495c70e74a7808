#include "web/Serve.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "common/DisplayText.h"
#include "platform/LockFile.h"
#include "platform/Socket.h"
#include "settings/Home.h"
#include "usecases/JsonRows.h"
#include "web/Api.h"
#include "web/Auth.h"
#include "web/HttpServer.h"

namespace kv::web {

namespace {

// Tells of every change the watch is given, on its way to the watch.
class NoticingSource final : public ChangeSource {
public:
    NoticingSource(ChangeSource& inner, std::function<void()> changed) : inner_(inner), changed_(std::move(changed)) {}
    void Follow(const std::vector<FollowedDirectory>& directories) override { inner_.Follow(directories); }
    Changes Wait(int timeoutMs) override {
        Changes changes = inner_.Wait(timeoutMs);
        // A directory listed again whole (followed anew) is the watch's to sort
        // out: what changed in it comes as a finding or a download gone.
        if ((!changes.files.empty() || changes.reload) && !changes.stopped) changed_();
        return changes;
    }

private:
    ChangeSource& inner_;
    std::function<void()> changed_;
};

// The address to print: a wildcard listener is reached by the machine's name.
std::string PageHost(const std::string& host) {
    if (host == "0.0.0.0" || host == "::") {
        const std::string name = net::HostName();
        return name.empty() ? "localhost" : name;
    }
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

// The home's serve lock, held while serving: a second serve names the first.
class ServeLock {
public:
    static std::expected<ServeLock, ServeFailure> Take(const std::string& dir, const std::string& holder) {
        const std::string path = JoinPath(dir, kServeLockName);
        const std::optional<lockfile::Handle> file = lockfile::Open(path);
        if (!file) return ServeLock();  // a read-only home: nothing to serialise against
        if (lockfile::TryLock(*file) == lockfile::Attempt::HeldElsewhere) {
            LockHolder who = ParseLockFileText(lockfile::ReadText(*file)).value_or(LockHolder{});
            who.directory = dir;
            lockfile::Close(*file);
            return std::unexpected(ServeFailure{ServeFailure::Kind::Busy, dir, "", who});
        }
        lockfile::WriteText(*file, LockFileText(lockfile::ProcessId(), holder));
        ServeLock lock;
        lock.file_ = *file;
        return lock;
    }
    ServeLock(ServeLock&& other) noexcept : file_(std::exchange(other.file_, std::nullopt)) {}
    ServeLock& operator=(ServeLock&&) = delete;
    ~ServeLock() {
        if (file_) lockfile::Release(*file_);
    }

private:
    ServeLock() = default;
    std::optional<lockfile::Handle> file_;
};

}  // namespace

std::expected<void, ServeFailure> RunServe(const HomeDirs& dirs, const ServeOptions& options, ChangeSource& changes,
                                           const ServeReports& reports) {
    if (auto started = net::StartNetworking(); !started)
        return std::unexpected(ServeFailure{ServeFailure::Kind::Listen, options.host, started.error(), std::nullopt});
    const std::string base = "http://" + PageHost(options.host) + ":";
    auto lock = ServeLock::Take(dirs.data, "kestrivane-cli serve");
    if (!lock) return std::unexpected(lock.error());
    const std::string tokenFile = options.tokenFile.empty() ? JoinPath(dirs.data, "serve-token") : options.tokenFile;
    auto token = LoadOrMakeToken(tokenFile);
    if (!token) return std::unexpected(ServeFailure{ServeFailure::Kind::Token, tokenFile, token.error(), std::nullopt});
    auto listener = net::Listen(options.host, options.port);
    if (!listener) {
        return std::unexpected(ServeFailure{ServeFailure::Kind::Listen,
                                            PageHost(options.host) + ":" + std::to_string(options.port),
                                            listener.error(), std::nullopt});
    }
    const uint16_t port = net::LocalPort(*listener);

    std::vector<std::string> hosts = options.allowedHosts;
    if (const std::string name = net::HostName(); !name.empty()) hosts.push_back(name), hosts.push_back(name + ".local");
    Api api(dirs, options, Gate(*token, hosts));
    HttpServer server(std::move(*listener), [&](Request& r, ConnectionId id) { return api.Handle(r, id); });
    api.Attach(server);
    std::thread serving([&] { server.Run(); });
    std::thread checking([&] { api.CheckLoop(); });
    if (reports.listening) reports.listening(base + std::to_string(port) + "/?token=" + *token);

    WatchHandlers handlers;
    handlers.started = [&] { api.WatchStarted(); };
    handlers.finding = [&](const Finding& f) {
        api.Found(f);
        if (reports.finding) reports.finding(f);
    };
    handlers.problem = [&](const CheckFailure& failure) {
        api.Problem(failure);
        if (reports.problem) reports.problem(failure);
    };
    handlers.notice = [&](const WatchNotice& n) {
        api.Notice(n);
        if (reports.notice) reports.notice(n);
    };
    CheckRequest request;
    request.tempDir = options.tempDir;
    request.fakeList = options.fakesFile;
    ListStore lists(ProgramHome::At(dirs));
    NoticingSource noticing(changes, [&] { api.FilesChanged(); });
    RunWatch(lists, request, noticing, handlers);

    api.StopChecking();
    api.StopWork();
    server.Stop();
    checking.join();
    serving.join();
    return {};
}

}  // namespace kv::web
