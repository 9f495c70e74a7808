#pragma once

#include <chrono>
#include <cstdint>
#include <expected>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "web/HttpServer.h"

namespace kv::web {

inline constexpr const char* kCookieName = "kestrivane_token";

// The token at path, or a new one written there (only the owner may read it) when there is none.
std::expected<std::string, std::string> LoadOrMakeToken(const std::string& path);

// Who may ask what: every request but the health check needs the token (as
// the cookie the login sets, or as a Bearer header); the Host header must
// name this machine, so that a site's name pointed at it (DNS rebinding) gets
// nothing; a request that changes something must come from the page itself.
class Gate {
public:
    Gate(std::string token, std::vector<std::string> allowedHosts);

    // The refusal for the request, or nullopt when it may go on.
    // A wrong token counts against its peer: too many in a minute and it is refused for a while.
    std::optional<Response> Check(const Request& request, std::chrono::steady_clock::time_point now);
    // GET /?token=...: the cookie and a redirect to the address without the token, or a refusal.
    std::optional<Response> Login(const Request& request, std::chrono::steady_clock::time_point now);
    bool HostAllowed(const Request& request) const;

    static constexpr int kMaxFailures = 10;  // wrong tokens per peer and minute

private:
    bool Throttled(const std::string& peer, std::chrono::steady_clock::time_point now);
    void Failed(const std::string& peer, std::chrono::steady_clock::time_point now);
    bool Matches(std::string_view given) const;

    std::string token_;
    std::vector<std::string> hosts_;  // lower-case names besides the loopback ones and address literals
    std::map<std::string, std::vector<std::chrono::steady_clock::time_point>> failures_;
};

// A JSON error body: {"error": what}.
Response JsonError(int status, std::string_view what);
// A query parameter, percent-decoded; nullopt when absent.
std::optional<std::string> QueryValue(std::string_view query, std::string_view name);

}  // namespace kv::web
