#pragma once

#include <cstdint>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/Paths.h"
#include "platform/DirectoryLock.h"
#include "usecases/Watch.h"

namespace kv::web {

inline constexpr uint16_t kDefaultPort = 4719;

struct ServeOptions {
    std::string host = "127.0.0.1";  // loopback unless asked
    uint16_t port = kDefaultPort;    // 0: one the system picks
    std::string tokenFile;           // "" = serve-token in the data directory
    std::vector<std::string> allowedHosts;  // names the Host header may give besides localhost and addresses
    std::string tempDir;             // "" = the settings' temp directories
    std::string fakesFile;           // "" = FAKES.DAT
};

struct ServeFailure {
    enum class Kind {
        Busy,        // another serve runs on this home: holder
        Token,       // the token file cannot be read or made: path, cause
        Listen,      // the address cannot be listened on: path (the address), cause
    } kind;
    std::string path, cause;
    std::optional<LockHolder> holder;
};

// What serve tells its front end while it runs (each from any thread).
struct ServeReports {
    std::function<void(const std::string& pageAddress)> listening;  // the page's address with the token
    std::function<void(const CheckFailure&)> problem;  // the check cannot run now (the watch goes on)
    std::function<void(const WatchNotice&)> notice;
    std::function<void(const Finding&)> finding;  // each new fake or suspect, besides the page's list
};

// Runs the watch on the calling thread and the server beside it until
// changes stops (SIGINT, SIGTERM). Refused when another serve holds the home.
std::expected<void, ServeFailure> RunServe(const HomeDirs& dirs, const ServeOptions& options, ChangeSource& changes,
                                           const ServeReports& reports);

// The lock file beside the data that names the serve holding the home.
inline constexpr const char* kServeLockName = ".kestrivane-serve.lock";

}  // namespace kv::web
