#pragma once

#include <string>

#include "core/Session.h"
#include "online/HttpDownload.h"

namespace kv {

// The server's Fakes.txt against the recorded "FakesDatVersion".
struct ListVersionCheck {
    DownloadResult fetch;        // of Fakes.txt
    bool newer = false;          // the server's number is higher
    std::string serverVersion;   // its first line, trimmed (only when newer)
    bool listNeeded = false;     // newer, or no list here at all
};

// The update address: "FakesDatDownloadURL", written with the default when missing.
std::string FakeListAddress(const Session& session);

// Fetches and compares the list's version number; the fetched file is removed again.
ListVersionCheck CheckFakeListVersion(const Session& session, TransferProgress* progress);

// Fetches FAKES.DAT; after a good download the server's version is recorded.
DownloadResult DownloadFakeList(const Session& session, const std::string& serverVersion, TransferProgress* progress);

}  // namespace kv
