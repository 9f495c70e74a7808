#include "online/HttpDownload.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"

namespace kv {

namespace {

constexpr size_t kReadSize = 2048;
constexpr size_t kProxyPageLimit = 2000;
constexpr int kPollMillis = 100;

void GlobalInitOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One transfer: an easy handle driven by a multi handle, so that the body can
// be handed to the read loop as it arrives instead of all at the end.
class Transfer {
public:
    Transfer(TransferProgress* progress, int64_t maxBytes) : progress_(progress), maxBytes_(maxBytes) {}

    ~Transfer() {
        if (multi_ && easy_) curl_multi_remove_handle(multi_, easy_);
        if (easy_) curl_easy_cleanup(easy_);
        if (multi_) curl_multi_cleanup(multi_);
        if (headers_) curl_slist_free_all(headers_);
    }

    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    bool Open(const std::string& address, const DownloadLimits& limits, const DownloadRequest& request) {
        GlobalInitOnce();
        easy_ = curl_easy_init();
        multi_ = curl_multi_init();
        if (!easy_ || !multi_) return false;

        headers_ = curl_slist_append(headers_, "Cache-Control: no-cache");
        headers_ = curl_slist_append(headers_, "Pragma: no-cache");
        if (UsableLastModified(request.ifModifiedSince, static_cast<int64_t>(std::time(nullptr))) &&
            request.ifModifiedSince.find_first_of("\r\n") == std::string::npos)
            headers_ = curl_slist_append(headers_, ("If-Modified-Since: " + request.ifModifiedSince).c_str());

        if (request.postBody) {
            if (!request.contentType.empty() && request.contentType.find_first_of("\r\n") == std::string::npos)
                headers_ = curl_slist_append(headers_, ("Content-Type: " + request.contentType).c_str());
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.postBody->size()));
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, request.postBody->data());
            // A redirected notice is not sent on as a GET.
            curl_easy_setopt(easy_, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
        }
        curl_easy_setopt(easy_, CURLOPT_URL, address.c_str());
        curl_easy_setopt(easy_, CURLOPT_USERAGENT, kUserAgent);
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
        // Only web addresses: a configured or redirected address must not
        // reach local files or other protocols.
        curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, limits.connectTimeoutSeconds);
        // A server that trickles a byte now and then must not hold the
        // program (or a cron job) for ever: a deadline for the whole transfer
        // and a minimum rate over every window of lowSpeedTimeSeconds.
        curl_easy_setopt(easy_, CURLOPT_TIMEOUT, limits.totalSeconds);
        curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, std::max(1L, limits.minBytesPerSecond));
        curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, limits.lowSpeedTimeSeconds);
        curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes_));
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &Transfer::OnWrite);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, errorText_);
        curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
        curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);

        if (curl_multi_add_handle(multi_, easy_) != CURLM_OK) return false;
        return true;
    }

    // The next piece of the body, at most kReadSize bytes; 0 at the end of the
    // transfer, whether it completed or broke off.
    size_t Read() {
        while (Available() < kReadSize && !done_) Pump();
        const size_t n = std::min(kReadSize, Available());
        handedOut_ += n;
        return n;
    }

    // Every byte received; call once, after Read has returned 0.
    std::string TakeData() { return std::move(data_); }

    CURLcode Result() const { return result_; }
    bool WasCancelled() const { return cancelled_; }
    const std::string& LastModified() const { return lastModified_; }

    // What went wrong, in the network library's words.
    std::string ErrorText() const {
        if (cancelled_) return "Cancelled.";
        return errorText_[0] != '\0' ? std::string(errorText_) : std::string(curl_easy_strerror(result_));
    }

    // The announced length of the body: -1 until the headers are in or when there is none.
    int64_t AnnouncedLength() const {
        curl_off_t length = -1;
        if (easy_) curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        return ResponseCode() == 0 ? -1 : static_cast<int64_t>(length);
    }

    long ResponseCode() const {
        long code = 0;
        if (easy_) curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &code);
        return code;
    }

    bool Connected() const {
        curl_off_t connectTime = 0;
        if (easy_) curl_easy_getinfo(easy_, CURLINFO_CONNECT_TIME_T, &connectTime);
        return connectTime > 0;
    }

private:
    size_t Available() const { return data_.size() - handedOut_; }

    void Pump() {
        if (progress_ && progress_->Cancelled()) {
            cancelled_ = true;
            Finish(CURLE_ABORTED_BY_CALLBACK);
            return;
        }
        int running = 0;
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            Finish(CURLE_RECV_ERROR);
            return;
        }
        int queued = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi_, &queued)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy_) Finish(msg->data.result);
        }
        if (!done_ && running == 0) Finish(CURLE_RECV_ERROR);  // ended without a verdict
        if (!done_ && Available() < kReadSize) curl_multi_poll(multi_, nullptr, 0, kPollMillis, nullptr);
        if (progress_ && paint_.Due()) progress_->Waiting();
    }

    void Finish(CURLcode result) {
        done_ = true;
        result_ = result;
    }

    static size_t OnWrite(char* ptr, size_t size, size_t count, void* user) {
        auto* self = static_cast<Transfer*>(user);
        const size_t n = size * count;
        // A body without a length can still grow past the limit.
        if (static_cast<int64_t>(self->data_.size() + n) > self->maxBytes_) return 0;
        self->data_.append(ptr, n);
        return n;
    }

    // Keeps Last-Modified of the final answer: a redirect's headers are dropped.
    static size_t OnHeader(char* ptr, size_t size, size_t count, void* user) {
        auto* self = static_cast<Transfer*>(user);
        const size_t n = size * count;
        std::string line(ptr, n);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        constexpr std::string_view kName = "last-modified:";
        if (line.compare(0, 5, "HTTP/") == 0) {
            self->lastModified_.clear();
        } else if (line.size() > kName.size() && ToLowerAscii(line.substr(0, kName.size())) == kName) {
            size_t b = kName.size();
            while (b < line.size() && (line[b] == ' ' || line[b] == '\t')) ++b;
            self->lastModified_ = line.substr(b, 100);
        }
        return n;
    }

    TransferProgress* progress_;
    int64_t maxBytes_;
    std::string lastModified_;
    CURL* easy_ = nullptr;
    CURLM* multi_ = nullptr;
    curl_slist* headers_ = nullptr;
    std::string data_;
    size_t handedOut_ = 0;
    bool done_ = false;
    bool cancelled_ = false;
    CURLcode result_ = CURLE_OK;
    char errorText_[CURL_ERROR_SIZE] = {};
    RepaintThrottle paint_{std::chrono::milliseconds(100)};
};

}  // namespace

bool UsableLastModified(const std::string& value, int64_t now) {
    if (value.empty()) return false;
    const time_t when = curl_getdate(value.c_str(), nullptr);
    return when != -1 && static_cast<int64_t>(when) <= now;
}

DownloadResult DownloadToMemory(const std::string& address, const DownloadLimits& limits, TransferProgress* progress,
                                const DownloadRequest& request) {
    DownloadResult result;
    Transfer transfer(progress, limits.maxBytes);
    if (!transfer.Open(address, limits, request)) {
        result.status = DownloadStatus::NoConnection;
        return result;
    }
    bool announced = false;
    for (;;) {
        const size_t n = transfer.Read();
        if (progress && !announced && (n > 0 || transfer.ResponseCode() != 0)) {
            announced = true;
            progress->Expected(transfer.AnnouncedLength());
        }
        if (progress) progress->Read(n);
        if (n == 0) break;
    }

    const long code = transfer.ResponseCode();
    result.httpStatus = code;
    if (transfer.Result() != CURLE_OK) {
        // Nothing came back at all: the address could not be opened. Anything
        // later (reset, short body, stall, over the size limit) is a broken
        // transfer whose bytes must not be taken for the resource.
        const bool timedOut = transfer.Result() == CURLE_OPERATION_TIMEDOUT;
        const bool started = code != 0 || (timedOut && transfer.Connected()) || transfer.WasCancelled();
        result.status = started ? DownloadStatus::Interrupted : DownloadStatus::NotOpened;
        result.networkError = transfer.ErrorText();
        result.cancelled = transfer.WasCancelled();
        result.timedOut = timedOut;
        return result;
    }

    // The status decides, never words in the body: a list or a page may well
    // mention "not found" and still be what was asked for.
    std::string data = transfer.TakeData();
    if (code == 407) {
        result.status = DownloadStatus::ProxyRefused;
        result.proxyPage = data.empty() ? std::string("Proxy Authentication Required") : data.substr(0, kProxyPageLimit);
        return result;
    }
    if (code >= 400) {
        result.status = DownloadStatus::NotAvailable;
        return result;
    }
    if (code == 304) {
        result.status = DownloadStatus::NotModified;
        result.lastModified = request.ifModifiedSince;
        return result;
    }
    // A stamp from the future is dropped here, so that it is neither stored nor sent.
    if (UsableLastModified(transfer.LastModified(), static_cast<int64_t>(std::time(nullptr))))
        result.lastModified = transfer.LastModified();
    result.body = std::move(data);
    result.status = DownloadStatus::Written;
    return result;
}

}  // namespace kv
