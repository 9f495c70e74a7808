#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "online/OnlineSetup.h"
#include "platform/DirectoryLock.h"

namespace kv {

inline constexpr const char* kUserAgent = "Kestrivane";

enum class DownloadStatus {
    Written,        // the target holds the whole body
    NoConnection,   // the transfer could not even be set up
    NotOpened,      // no answer at all
    Interrupted,    // reset, short body, stall, too slow, past the deadline, cancelled or over the size limit
    ProxyRefused,   // the proxy asks for authentication
    NotAvailable,   // an error page or status
    NotWritten,     // the body could not be stored
    NotModified,    // 304: the copy here is the server's current one
    Refused,        // the body came whole but is not what was asked for (see refusal)
};

struct DownloadResult {
    DownloadStatus status = DownloadStatus::NotOpened;
    std::string proxyPage;     // what the proxy said, for ProxyRefused
    std::string networkError;  // the network library's own words, for NotOpened and Interrupted
    long httpStatus = 0;       // 0 when no answer came
    std::string body;          // DownloadToMemory: the whole body of a 2xx answer
    std::string lastModified;  // the server's Last-Modified header, "" when none
    std::string refusal;       // for Refused: why, in a sentence; for NotWritten: the cause
    bool cancelled = false;    // Interrupted because the progress asked to stop
    bool timedOut = false;     // a time limit ended it: the deadline, the minimum rate or the connect time-out
    bool noAddress = false;    // NotOpened because no address is set: nothing was sent
    std::optional<LockHolder> busy;  // NotWritten because another program writes in the directory
    bool ok() const { return status == DownloadStatus::Written; }
};

// Told of the transfer while it runs.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    // The body's announced length, once known (-1: none announced); at most once.
    virtual void Expected(int64_t bytes) { (void)bytes; }
    // A piece of the body was handed over (at most 2048 bytes; 0 at the end).
    virtual void Read(size_t bytes) = 0;
    // Waiting for the network; a window uses it to stay painted.
    virtual void Waiting() = 0;
    // Asked several times a second while the transfer runs: true ends it at
    // once as Interrupted (cancelled), and nothing received is used.
    virtual bool Cancelled() { return false; }
};

// Whether a Last-Modified value may be stored and sent back: an HTTP date
// not later than now. A date in the future would be sent back until then and
// keep a server from ever answering with a newer list.
bool UsableLastModified(const std::string& value, int64_t now);

struct DownloadRequest {
    std::string ifModifiedSince;  // sent as If-Modified-Since when set; a 304 gives NotModified
    // Sent as a POST with this body when set (a notice to a web hook), else a GET.
    std::optional<std::string> postBody{};
    std::string contentType{};  // with postBody: its Content-Type
};

// Fetches address into result.body ("Written" then means: held in memory). The
// status alone decides: 407 is the proxy, 400 and above not available. The
// transfer ends as Interrupted (timedOut) after limits.totalSeconds, or when
// it averages less than minBytesPerSecond over lowSpeedTimeSeconds.
DownloadResult DownloadToMemory(const std::string& address, const DownloadLimits& limits, TransferProgress* progress,
                                const DownloadRequest& request = {});

// Fetches address into targetPath (replaced atomically, only on acceptance).
DownloadResult DownloadToFile(const std::string& address, const std::string& targetPath, const DownloadLimits& limits,
                              TransferProgress* progress);

}  // namespace kv
