#pragma once

#include <cstddef>
#include <string>

#include "core/Session.h"

namespace kv {

inline constexpr const char* kUserAgent = "Kestrivane";

enum class DownloadStatus {
    Written,        // the target holds the whole body
    NoConnection,   // the transfer could not even be set up
    NotOpened,      // no answer at all
    Interrupted,    // reset, short body, stall or over the size limit
    ProxyRefused,   // the proxy asks for authentication
    NotAvailable,   // an error page or status
    NotWritten,     // the body could not be stored
};

struct DownloadResult {
    DownloadStatus status = DownloadStatus::NotOpened;
    std::string proxyPage;     // what the proxy said, for ProxyRefused
    std::string networkError;  // the network library's own words, for NotOpened and Interrupted
    long httpStatus = 0;       // 0 when no answer came
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
};

// Fetches address into targetPath (replaced atomically, only on acceptance).
DownloadResult DownloadToFile(const std::string& address, const std::string& targetPath, const DownloadLimits& limits,
                              TransferProgress* progress);

}  // namespace kv
