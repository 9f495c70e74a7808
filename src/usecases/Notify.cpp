#include "usecases/Notify.h"

#include <cstdio>
#include <ctime>

#include "common/DisplayText.h"
#include "online/HttpDownload.h"

namespace kv {

namespace {

void AppendJsonString(std::string& out, std::string_view bytes) {
    out += '"';
    for (const char c : ToDisplayUtf8(bytes)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

// Ends a post in flight when the hook is going away.
class Stopping final : public TransferProgress {
public:
    explicit Stopping(const bool& stop, std::mutex& mutex) : stop_(stop), mutex_(mutex) {}
    void Read(size_t) override {}
    void Waiting() override {}
    bool Cancelled() override {
        const std::lock_guard lock(mutex_);
        return stop_;
    }

private:
    const bool& stop_;
    std::mutex& mutex_;
};

}  // namespace

FakeNotice NoticeOf(const Finding& f) {
    FakeNotice n;
    n.hash = f.download.hash ? f.download.hash->ToHex() : std::string();
    n.name = f.download.name;
    n.size = f.download.size;
    const Verdict& v = f.verdict;
    n.verdict = v.fake() ? "fake" : "suspect";
    if (v.fake() && !v.entry.description.empty()) n.reasons.push_back(v.entry.description);
    for (const inspect::Suspicion& s : v.reasons)
        if (s.severity == inspect::Severity::Suspect || v.fake()) n.reasons.push_back(SuspicionText(s));
    n.action = "found";
    n.time = static_cast<int64_t>(std::time(nullptr));
    return n;
}

std::string NoticeJson(const FakeNotice& n) {
    std::string out = "{\"hash\":";
    AppendJsonString(out, n.hash);
    out += ",\"name\":";
    AppendJsonString(out, n.name);
    out += ",\"size\":" + std::to_string(n.size) + ",\"verdict\":";
    AppendJsonString(out, n.verdict);
    out += ",\"reasons\":[";
    for (size_t i = 0; i < n.reasons.size(); ++i) {
        if (i > 0) out += ',';
        AppendJsonString(out, n.reasons[i]);
    }
    out += "],\"action\":";
    AppendJsonString(out, n.action);
    out += ",\"time\":" + std::to_string(n.time) + "}";
    return out;
}

std::string NoticeBody(const FakeNotice& n) {
    std::string body = VisibleControls(ToDisplayUtf8(n.name));
    for (size_t i = 0; i < n.reasons.size(); ++i) {
        body += i == 0 ? "\n" : "; ";
        body += VisibleControls(ToDisplayUtf8(n.reasons[i]));
    }
    return body;
}

WebHook::WebHook(std::string url, std::function<void(const FakeNotice&, const std::string&)> failed, Options options)
    : url_(std::move(url)), failed_(std::move(failed)), options_(options) {
    thread_ = std::thread([this] { Run(); });
}

WebHook::~WebHook() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void WebHook::Post(FakeNotice notice) {
    {
        const std::lock_guard lock(mutex_);
        if (queue_.size() >= options_.backlog) queue_.pop_front();  // a receiver gone for long: the newest count
        queue_.push_back(std::move(notice));
    }
    wake_.notify_all();
}

void WebHook::Run() {
    DownloadLimits limits;
    limits.connectTimeoutSeconds = options_.timeoutSeconds;
    limits.totalSeconds = options_.timeoutSeconds;
    limits.lowSpeedTimeSeconds = options_.timeoutSeconds;
    limits.minBytesPerSecond = 1;
    limits.maxBytes = 64 * 1024;  // the answer is not read: a page of it is plenty
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        FakeNotice notice = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        DownloadRequest request;
        request.postBody = NoticeJson(notice);
        request.contentType = "application/json";
        Stopping stopping(stop_, mutex_);
        std::string why;
        bool sent = false;
        for (int attempt = 0; attempt < options_.attempts && !sent; ++attempt) {
            if (attempt > 0) {
                lock.lock();
                const bool stopped = wake_.wait_for(lock, options_.pause, [&] { return stop_; });
                lock.unlock();
                if (stopped) return;
            }
            const DownloadResult result = DownloadToMemory(url_, limits, &stopping, request);
            if (result.cancelled) return;
            sent = result.ok();
            why = result.httpStatus != 0 ? "HTTP " + std::to_string(result.httpStatus)
                                         : result.timedOut ? std::string("no answer in time") : result.networkError;
        }
        if (!sent && failed_) failed_(notice, why);
        lock.lock();
    }
}

}  // namespace kv
