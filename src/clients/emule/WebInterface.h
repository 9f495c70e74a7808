#pragma once

// eMule's Web Interface as a client: its pages are HTML made from a template
// the user may have changed, so everything read from them is looked for
// defensively, and nothing is asked twice when once will do.

#include <cstdint>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kHash.h"

namespace kv::emule {

// One HTTP GET, answered whole. The program's HTTP client stands behind it
// (the clients' layer does not reach the network by itself).
struct WebAnswer {
    long status = 0;
    std::string body;
};
enum class FetchErrorKind { NotReached, TimedOut, Broken };
struct FetchError {
    FetchErrorKind kind = FetchErrorKind::NotReached;
    std::string detail;  // the HTTP client's own words
};
using Fetch = std::function<std::expected<WebAnswer, FetchError>(const std::string& url)>;

enum class WebErrorKind {
    NotReached,     // nothing answered there
    Timeout,        // no whole answer in time
    WrongPassword,  // eMule showed its login page again
    LockedOut,      // eMule turns this address away after wrong passwords (for 15 minutes)
    BadAnswer,      // not a page of eMule's Web Interface, or one cut short
    NotFound,       // no download of that hash
    Failed,         // eMule answered but did not do it
};
struct WebError {
    WebErrorKind kind = WebErrorKind::BadAnswer;
    std::string detail;  // as received (not yet made visible)
};
// One line for a user: what went wrong, with the detail made printable.
std::string Describe(const WebError& error);

struct WebSettings {
    std::string host = "127.0.0.1";
    uint16_t port = 4711;
    bool https = false;
    std::string password;  // as typed: eMule's login form sends it so
    bool operator==(const WebSettings&) const = default;
};

// A download as the transfer page shows it. The name is the one of the
// download's ed2k link (eMule's own, made of its name without the
// characters Windows forbids in file names).
struct WebDownload {
    Ed2kHash hash;
    std::string name;
    uint64_t size = 0;
    std::string state;  // "downloading", "waiting", "paused", "stopped", "hashing", "completing", "complete", "error", ... or ""
};

enum class WebAction { Pause, Resume, Stop, Cancel };
const char* OpName(WebAction action);  // "pause", ... as the Web Interface names them

// The pages, read. Exposed for tests.
bool IsLoginPage(std::string_view page);
std::optional<std::string> SessionOf(std::string_view page);  // the "ses" of the page's links
bool IsWholePage(std::string_view page);                      // ends its HTML: not cut short
std::vector<WebDownload> ReadTransfers(std::string_view page);
// A gzip body as eMule sends it whatever was asked; other bodies unchanged.
// nullopt when it does not unpack.
std::optional<std::string> Unpacked(std::string body);
// "%XX" for every byte but letters, digits and -._~
std::string QueryEscaped(std::string_view bytes);

class WebClient {
public:
    // Logs in; a wrong password and a locked-out address are errors of their own.
    static std::expected<WebClient, WebError> LogIn(const WebSettings& settings, Fetch fetch);

    // Each asks once; a session eMule ended (it times them out) is logged into again, once.
    std::expected<std::vector<WebDownload>, WebError> Transfers();
    // Done when the transfer page eMule answers with shows it done; a hash
    // that is not in the list is NotFound (a cancel of a download already gone is done).
    std::expected<void, WebError> Act(WebAction action, const Ed2kHash& hash);
    std::expected<void, WebError> AddLink(const std::string& link);

    const std::string& Session() const { return session_; }

private:
    WebClient(WebSettings settings, Fetch fetch) : settings_(std::move(settings)), fetch_(std::move(fetch)) {}
    std::expected<void, WebError> Login();
    std::expected<std::string, WebError> Get(const std::string& query);
    // The transfer page after query (logging in again once when the session ended).
    std::expected<std::string, WebError> TransferPage(const std::string& query);
    std::string Base() const;

    WebSettings settings_;
    Fetch fetch_;
    std::string session_;
};

}  // namespace kv::emule
