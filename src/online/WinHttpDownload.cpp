// HTTP through Windows' own WinHTTP, for the Windows build: the same
// requests, limits and answers as the libcurl transfer elsewhere. The system's
// proxy settings apply; the minimum rate and the deadline are kept by the
// read loop, as WinHTTP knows only per-call time-outs.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>

#include "common/RepaintThrottle.h"
#include "common/WindowsText.h"
#include "online/HttpDownload.h"

namespace kv {

namespace {

constexpr size_t kReadSize = 2048;
constexpr size_t kProxyPageLimit = 2000;

using Clock = std::chrono::steady_clock;

struct Handle {
    HINTERNET h = nullptr;
    Handle() = default;
    explicit Handle(HINTERNET handle) : h(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (h) ::WinHttpCloseHandle(h);
    }
    explicit operator bool() const { return h != nullptr; }
};

std::string WinHttpErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                         FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     ::GetModuleHandleW(L"winhttp.dll"), error, 0, reinterpret_cast<wchar_t*>(&text), 0,
                                     nullptr);
    std::string out = n ? win::Utf8(std::wstring_view(text, n)) : "WinHTTP error " + std::to_string(error);
    if (text) ::LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
    return out;
}

std::wstring QueryText(HINTERNET request, DWORD what) {
    DWORD size = 0;
    ::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size, WINHTTP_NO_HEADER_INDEX);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return {};
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (!::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size, WINHTTP_NO_HEADER_INDEX))
        return {};
    text.resize(size / sizeof(wchar_t));
    return text;
}

long StatusCode(HINTERNET request) {
    DWORD code = 0, size = sizeof code;
    if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                               WINHTTP_HEADER_NAME_BY_INDEX, &code, &size, WINHTTP_NO_HEADER_INDEX))
        return 0;
    return static_cast<long>(code);
}

// The session: the system's proxy (automatic where Windows has it: WPAD, a
// configuration script), else the one set for WinHTTP.
HINTERNET OpenSession() {
    const std::wstring agent = win::Wide(kUserAgent);
    if (HINTERNET s = ::WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, 0))
        return s;
    return ::WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                         WINHTTP_NO_PROXY_BYPASS, 0);
}

// What a transfer came to before the status decides.
struct Outcome {
    long code = 0;
    DWORD error = 0;  // 0: the body came whole
    bool cancelled = false, timedOut = false, tooLarge = false;
    std::string body, lastModified;
};

class Transfer {
public:
    Transfer(const DownloadLimits& limits, TransferProgress* progress) : limits_(limits), progress_(progress) {}

    Outcome Run(const std::string& address, const DownloadRequest& request) {
        Outcome out;
        const auto fail = [&](DWORD error) {
            out.error = error ? error : ERROR_WINHTTP_INTERNAL_ERROR;
            return std::move(out);
        };
        const std::wstring url = win::Wide(address);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = parts.dwSchemeLength = DWORD(-1);
        if (!::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return fail(::GetLastError());
        // Only web addresses: a configured address must not reach other protocols.
        if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
            return fail(ERROR_WINHTTP_UNRECOGNIZED_SCHEME);
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                                  std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

        const Handle session(OpenSession());
        if (!session) return fail(::GetLastError());
        const int connectMs = static_cast<int>(std::min<long>(limits_.connectTimeoutSeconds, 86400) * 1000);
        const int stallMs = static_cast<int>(std::min<long>(std::max(1L, limits_.lowSpeedTimeSeconds), 86400) * 1000);
        ::WinHttpSetTimeouts(session.h, connectMs, connectMs, stallMs, stallMs);
        const Handle connection(::WinHttpConnect(session.h, host.c_str(), parts.nPort, 0));
        if (!connection) return fail(::GetLastError());
        const Handle req(::WinHttpOpenRequest(connection.h, request.postBody ? L"POST" : L"GET", path.empty() ? L"/" : path.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
        if (!req) return fail(::GetLastError());
        DWORD redirects = 5;
        ::WinHttpSetOption(req.h, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects, sizeof redirects);

        std::wstring headers = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
        if (UsableLastModified(request.ifModifiedSince, static_cast<int64_t>(std::time(nullptr))) &&
            request.ifModifiedSince.find_first_of("\r\n") == std::string::npos)
            headers += L"If-Modified-Since: " + win::Wide(request.ifModifiedSince) + L"\r\n";
        if (request.postBody && !request.contentType.empty() &&
            request.contentType.find_first_of("\r\n") == std::string::npos)
            headers += L"Content-Type: " + win::Wide(request.contentType) + L"\r\n";
        // A POST's body goes with the request (the webhook's notices); a GET has none.
        const std::string* body = request.postBody ? &*request.postBody : nullptr;
        const DWORD bodySize = body ? static_cast<DWORD>(body->size()) : 0;
        if (!::WinHttpSendRequest(req.h, headers.c_str(), static_cast<DWORD>(headers.size()),
                                  body ? const_cast<char*>(body->data()) : WINHTTP_NO_REQUEST_DATA, bodySize, bodySize,
                                  0) ||
            !::WinHttpReceiveResponse(req.h, nullptr)) {
            out.timedOut = ::GetLastError() == ERROR_WINHTTP_TIMEOUT;
            return fail(::GetLastError());
        }
        out.code = StatusCode(req.h);
        out.lastModified = win::Utf8(QueryText(req.h, WINHTTP_QUERY_LAST_MODIFIED)).substr(0, 100);
        const std::wstring length = QueryText(req.h, WINHTTP_QUERY_CONTENT_LENGTH);
        if (progress_) progress_->Expected(length.empty() ? -1 : std::wcstoll(length.c_str(), nullptr, 10));
        ReadBody(req.h, out);
        return out;
    }

private:
    // The body, with the deadline and the minimum rate over each window kept here.
    void ReadBody(HINTERNET request, Outcome& out) {
        const auto deadline = start_ + std::chrono::seconds(limits_.totalSeconds);
        const auto window = std::chrono::seconds(std::max(1L, limits_.lowSpeedTimeSeconds));
        auto windowStart = Clock::now();
        int64_t windowBytes = 0;
        char buffer[16384];
        for (;;) {
            if (progress_ && progress_->Cancelled()) {
                out.cancelled = true;
                out.error = ERROR_WINHTTP_OPERATION_CANCELLED;
                return;
            }
            DWORD got = 0;
            if (!::WinHttpReadData(request, buffer, sizeof buffer, &got)) {
                out.error = ::GetLastError();
                out.timedOut = out.error == ERROR_WINHTTP_TIMEOUT;
                return;
            }
            if (got == 0) break;
            if (static_cast<int64_t>(out.body.size() + got) > limits_.maxBytes) {
                out.tooLarge = true;
                out.error = ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW;
                return;
            }
            out.body.append(buffer, got);
            for (size_t at = 0; progress_ && at < got; at += kReadSize) progress_->Read(std::min<size_t>(kReadSize, got - at));
            windowBytes += got;
            const auto now = Clock::now();
            if (progress_ && paint_.Due()) progress_->Waiting();
            if (now >= deadline) {
                out.timedOut = true;
                out.error = ERROR_WINHTTP_TIMEOUT;
                return;
            }
            if (now - windowStart >= window) {
                const double seconds = std::chrono::duration<double>(now - windowStart).count();
                if (windowBytes / seconds < static_cast<double>(std::max(1L, limits_.minBytesPerSecond))) {
                    out.timedOut = true;
                    out.error = ERROR_WINHTTP_TIMEOUT;
                    return;
                }
                windowStart = now;
                windowBytes = 0;
            }
        }
    }

    DownloadLimits limits_;
    TransferProgress* progress_;
    Clock::time_point start_ = Clock::now();
    RepaintThrottle paint_{std::chrono::milliseconds(100)};
};

}  // namespace

bool UsableLastModified(const std::string& value, int64_t now) {
    if (value.empty()) return false;
    SYSTEMTIME when{};
    if (!::WinHttpTimeToSystemTime(win::Wide(value).c_str(), &when)) return false;
    FILETIME file{};
    if (!::SystemTimeToFileTime(&when, &file)) return false;
    const int64_t ticks = static_cast<int64_t>((uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime);
    const int64_t unix = ticks / 10'000'000 - 11'644'473'600;
    return unix > 0 && unix <= now;
}

DownloadResult DownloadToMemory(const std::string& address, const DownloadLimits& limits, TransferProgress* progress,
                                const DownloadRequest& request) {
    DownloadResult result;
    Outcome out = Transfer(limits, progress).Run(address, request);
    if (progress) progress->Read(0);  // the end, whether the body came whole or not
    result.httpStatus = out.code;
    if (out.error != 0) {
        // As with libcurl: nothing back at all is an address not opened; a
        // break after the answer began is an interrupted transfer.
        result.status = out.code != 0 || out.cancelled ? DownloadStatus::Interrupted : DownloadStatus::NotOpened;
        result.networkError = out.cancelled ? "Cancelled." : out.tooLarge ? "Maximum file size exceeded" : WinHttpErrorText(out.error);
        result.cancelled = out.cancelled;
        result.timedOut = out.timedOut;
        return result;
    }
    if (out.code == 407) {
        result.status = DownloadStatus::ProxyRefused;
        result.proxyPage = out.body.empty() ? std::string("Proxy Authentication Required") : out.body.substr(0, kProxyPageLimit);
        return result;
    }
    if (out.code >= 400) {
        result.status = DownloadStatus::NotAvailable;
        return result;
    }
    if (out.code == 304) {
        result.status = DownloadStatus::NotModified;
        result.lastModified = request.ifModifiedSince;
        return result;
    }
    if (UsableLastModified(out.lastModified, static_cast<int64_t>(std::time(nullptr)))) result.lastModified = out.lastModified;
    result.body = std::move(out.body);
    result.status = DownloadStatus::Written;
    return result;
}

}  // namespace kv
