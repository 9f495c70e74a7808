#include "web/Auth.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "platform/PrivateFile.h"

namespace kv::web {

namespace {

using Clock = std::chrono::steady_clock;

std::string Lower(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

std::string NewToken() {
    std::random_device random;
    std::string token;
    static constexpr char kHex[] = "0123456789abcdef";
    for (int i = 0; i < 8; ++i) {
        const uint32_t word = random();
        for (int b = 0; b < 8; ++b) token += kHex[(word >> (b * 4)) & 0xF];
    }
    return token;  // 256 bits
}

// The name part of a Host header: "[::1]:8080" -> "::1", "nas:80" -> "nas".
std::string HostName(std::string_view host) {
    if (host.starts_with('[')) {
        const size_t close = host.find(']');
        return close == std::string_view::npos ? std::string() : std::string(host.substr(1, close - 1));
    }
    return Lower(host.substr(0, host.find(':')));
}

bool AddressLiteral(const std::string& name) {
    if (name.find(':') != std::string::npos) return std::ranges::all_of(name, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.'; });
    int dots = 0;
    for (const char c : name) {
        if (c == '.') ++dots;
        else if (c < '0' || c > '9') return false;
    }
    return dots == 3;
}

std::optional<std::string> CookieValue(const Request& r, std::string_view name) {
    for (const auto& [key, value] : r.headers) {
        if (key != "cookie") continue;
        std::string_view rest = value;
        while (!rest.empty()) {
            const size_t end = rest.find(';');
            std::string_view pair = rest.substr(0, end);
            while (pair.starts_with(' ')) pair.remove_prefix(1);
            if (pair.starts_with(name) && pair.size() > name.size() && pair[name.size()] == '=')
                return std::string(pair.substr(name.size() + 1));
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 1);
        }
    }
    return std::nullopt;
}

bool ChangesState(const Request& r) { return r.method != "GET" && r.method != "OPTIONS"; }

}  // namespace

Response JsonError(int status, std::string_view what) {
    Response r;
    r.status = status;
    r.contentType = "application/json";
    r.body = nlohmann::json{{"error", what}}.dump() + "\n";
    return r;
}

std::optional<std::string> QueryValue(std::string_view query, std::string_view name) {
    while (!query.empty()) {
        const size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        if (pair.starts_with(name) && pair.size() > name.size() && pair[name.size()] == '=') {
            std::string value;
            const std::string_view raw = pair.substr(name.size() + 1);
            for (size_t i = 0; i < raw.size(); ++i) {
                if (raw[i] == '+') value += ' ';
                else if (raw[i] == '%' && i + 2 < raw.size() && std::isxdigit(static_cast<unsigned char>(raw[i + 1])) &&
                         std::isxdigit(static_cast<unsigned char>(raw[i + 2])))
                    value += static_cast<char>(std::stoi(std::string(raw.substr(i + 1, 2)), nullptr, 16)), i += 2;
                else value += raw[i];
            }
            return value;
        }
        if (end == std::string_view::npos) break;
        query.remove_prefix(end + 1);
    }
    return std::nullopt;
}

std::expected<std::string, std::string> LoadOrMakeToken(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (in) {
        std::stringstream text;
        text << in.rdbuf();
        std::string token = text.str();
        while (!token.empty() && (token.back() == '\n' || token.back() == '\r' || token.back() == ' ')) token.pop_back();
        if (token.size() < 16) return std::unexpected(std::string("the token in it is shorter than 16 characters"));
        return token;
    }
    std::string token = NewToken();
    if (auto made = CreatePrivateFile(path, token + "\n"); !made) return std::unexpected(made.error());
    return token;
}

Gate::Gate(std::string token, std::vector<std::string> allowedHosts) : token_(std::move(token)) {
    for (const std::string& host : allowedHosts) hosts_.push_back(Lower(host));
    hosts_.push_back("localhost");
}

bool Gate::Matches(std::string_view given) const {
    // Compared whole whatever differs first, so that the time taken tells nothing.
    unsigned char diff = given.size() == token_.size() ? 0 : 1;
    for (size_t i = 0; i < token_.size(); ++i) diff |= static_cast<unsigned char>(token_[i] ^ (i < given.size() ? given[i] : 0));
    return diff == 0;
}

bool Gate::HostAllowed(const Request& r) const {
    const std::string* host = r.Header("host");
    if (!host) return false;
    const std::string name = HostName(*host);
    if (name.empty()) return false;
    return AddressLiteral(name) || std::ranges::find(hosts_, name) != hosts_.end();
}

bool Gate::Throttled(const std::string& peer, Clock::time_point now) {
    const auto it = failures_.find(peer);
    if (it == failures_.end()) return false;
    std::erase_if(it->second, [&](Clock::time_point t) { return now - t > std::chrono::minutes(1); });
    if (it->second.empty()) {
        failures_.erase(it);
        return false;
    }
    return it->second.size() >= kMaxFailures;
}

void Gate::Failed(const std::string& peer, Clock::time_point now) {
    // Bounded: a flood from many addresses forgets the oldest peers, not the limit.
    if (failures_.size() >= 4096) failures_.clear();
    auto& times = failures_[peer];
    times.push_back(now);
    if (times.size() > kMaxFailures) times.erase(times.begin());
}

std::optional<Response> Gate::Check(const Request& r, Clock::time_point now) {
    if (!HostAllowed(r)) return JsonError(403, "host not allowed");
    if (Throttled(r.peer, now)) {
        Response refused = JsonError(429, "too many wrong tokens; wait a minute");
        refused.headers.emplace_back("Retry-After", "60");
        return refused;
    }
    bool bearer = false, ok = false;
    if (const std::string* auth = r.Header("authorization"); auth && auth->starts_with("Bearer ")) {
        bearer = true;
        ok = Matches(std::string_view(*auth).substr(7));
    } else if (const auto cookie = CookieValue(r, kCookieName)) {
        ok = Matches(*cookie);
    }
    if (!ok) {
        if (bearer || CookieValue(r, kCookieName)) Failed(r.peer, now);
        Response refused = JsonError(401, "token needed");
        refused.headers.emplace_back("WWW-Authenticate", "Bearer");
        return refused;
    }
    if (ChangesState(r)) {
        // The page's own requests name it as their origin; a program sending
        // the Bearer header may send none. Another site's page never gets here.
        const std::string* origin = r.Header("origin");
        const std::string* site = r.Header("sec-fetch-site");
        if (site && *site != "same-origin" && *site != "none") return JsonError(403, "cross-site request");
        if (origin) {
            const std::string* host = r.Header("host");
            const std::string o = Lower(*origin), h = host ? Lower(*host) : "";
            if (o != "http://" + h && o != "https://" + h) return JsonError(403, "cross-site request");
        } else if (!bearer) {
            return JsonError(403, "cross-site request");
        }
    }
    return std::nullopt;
}

std::optional<Response> Gate::Login(const Request& r, Clock::time_point now) {
    const std::optional<std::string> given = QueryValue(r.query, "token");
    if (!given || r.method != "GET") return std::nullopt;
    if (!HostAllowed(r)) return JsonError(403, "host not allowed");
    if (Throttled(r.peer, now)) return JsonError(429, "too many wrong tokens; wait a minute");
    if (!Matches(*given)) {
        Failed(r.peer, now);
        return JsonError(401, "wrong token");
    }
    Response to;
    to.status = 303;
    // The token leaves the address bar and the history; the cookie carries it from now on.
    to.headers.emplace_back("Location", "/");
    to.headers.emplace_back("Set-Cookie", std::string(kCookieName) + "=" + token_ + "; Path=/; HttpOnly; SameSite=Strict");
    return to;
}

}  // namespace kv::web
