#include "clients/emule/WebInterface.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "common/DisplayText.h"
#include "common/StringUtil.h"

namespace kv::emule {
namespace {

constexpr std::string_view kFileLink = "ed2k://|file|";
// A page far larger than thousands of downloads make is no transfer page.
constexpr size_t kMaxPage = size_t{64} * 1024 * 1024;
// eMule's state words for a download (the template's [DownState]).
constexpr std::array<std::string_view, 10> kStates = {"downloading", "waiting",    "paused",   "stopped",
                                                      "hashing",     "waitinghash", "completing", "complete",
                                                      "error",       "stalled"};

bool IsState(std::string_view word) { return std::ranges::find(kStates, word) != kStates.end(); }

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// HTML character references, once: what a browser makes of an attribute.
std::string EntitiesDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const size_t semi = text.find(';', i);
        if (semi == std::string_view::npos || semi - i > 10) {
            out += text[i++];
            continue;
        }
        const std::string_view name = text.substr(i + 1, semi - i - 1);
        std::optional<uint32_t> cp;
        if (name == "amp") cp = '&';
        else if (name == "lt") cp = '<';
        else if (name == "gt") cp = '>';
        else if (name == "quot") cp = '"';
        else if (name == "apos") cp = '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            uint32_t value = 0;
            const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
            if (ec == std::errc{} && end == digits.data() + digits.size() && !digits.empty()) cp = value;
        }
        if (!cp) {
            out += text[i++];
            continue;
        }
        AppendUtf8(out, *cp);
        i = semi + 1;
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The name field of eMule's link: a quote became "&#8217;" (and that was
// escaped once more by newer eMules), the rest is HTML-escaped once and
// percent-encoded (non-ASCII bytes, '%' and blanks).
std::string LinkName(std::string_view field) {
    std::string text(field);
    for (const std::string_view quote : {std::string_view("&amp;#8217;"), std::string_view("&#8217;")})
        for (size_t at; (at = text.find(quote)) != std::string::npos;) text.replace(at, quote.size(), "'");
    return PercentDecoded(EntitiesDecoded(text));
}

// The state word of the row whose link ends at `after`: the quoted argument
// following the link in the default templates, else the row's "down-line-STATE" class.
std::string StateNear(std::string_view page, size_t rowStart, size_t linkStart, size_t after) {
    const size_t close = page.find('\'', after);
    if (close != std::string_view::npos && close - after < 8) {
        size_t open = page.find('\'', close + 1);
        if (open != std::string_view::npos && open - close < 6) {
            const size_t end = page.find('\'', open + 1);
            if (end != std::string_view::npos && end - open < 20) {
                const std::string_view word = page.substr(open + 1, end - open - 1);
                if (IsState(word)) return std::string(word);
            }
        }
    }
    const std::string_view row = page.substr(rowStart, linkStart - rowStart);
    constexpr std::string_view kClass = "down-line-";
    for (size_t at = row.rfind(kClass); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : row.rfind(kClass, at - 1)) {
        const size_t from = at + kClass.size();
        size_t end = from;
        while (end < row.size() && std::islower(static_cast<unsigned char>(row[end]))) ++end;
        if (IsState(row.substr(from, end - from))) return std::string(row.substr(from, end - from));
    }
    return "";
}

// A link's field up to the next '|', which must come before any byte that no
// link of eMule's holds in a page (a quote, markup, a line end).
std::optional<std::string_view> Field(std::string_view page, size_t& at) {
    const size_t end = page.find_first_of("|'\"<>\r\n", at);
    if (end == std::string_view::npos || page[end] != '|') return std::nullopt;
    const std::string_view field = page.substr(at, end - at);
    at = end + 1;
    return field;
}

bool Answered(const std::expected<WebAnswer, FetchError>& answer) { return answer && answer->status / 100 == 2; }

}  // namespace

std::string Describe(const WebError& error) {
    std::string text;
    switch (error.kind) {
        case WebErrorKind::NotReached: text = "eMule's Web Interface was not reached"; break;
        case WebErrorKind::Timeout: text = "eMule's Web Interface did not answer in time"; break;
        case WebErrorKind::WrongPassword: text = "eMule's Web Interface refused the password"; break;
        case WebErrorKind::LockedOut:
            text = "eMule's Web Interface turns this address away after wrong passwords; try again in 15 minutes";
            break;
        case WebErrorKind::BadAnswer: text = "eMule's Web Interface sent a page that makes no sense"; break;
        case WebErrorKind::NotFound: text = "eMule has no such download"; break;
        case WebErrorKind::Failed: text = "eMule did not do it"; break;
    }
    if (!error.detail.empty()) text += ": " + VisibleControls(ToDisplayUtf8(error.detail));
    return text;
}

const char* OpName(WebAction action) {
    switch (action) {
        case WebAction::Pause: return "pause";
        case WebAction::Resume: return "resume";
        case WebAction::Stop: return "stop";
        case WebAction::Cancel: return "cancel";
    }
    return "";
}

std::string QueryEscaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

bool IsLoginPage(std::string_view page) {
    // The login form: a password field, or the hidden w=password every template sends.
    return FindNoCase(page, "type=\"password\"") != std::string_view::npos ||
           FindNoCase(page, "value=\"password\"") != std::string_view::npos;
}

std::optional<std::string> SessionOf(std::string_view page) {
    for (size_t at = page.find("ses="); at != std::string_view::npos; at = page.find("ses=", at + 1)) {
        // Only a query's own field: "?ses=", "&ses=" or "&amp;ses=".
        if (at == 0 || (page[at - 1] != '?' && page[at - 1] != '&' && page[at - 1] != ';')) continue;
        size_t end = at + 4;
        if (end < page.size() && page[end] == '-') ++end;
        const size_t digits = end;
        while (end < page.size() && end - digits < 11 && std::isdigit(static_cast<unsigned char>(page[end]))) ++end;
        if (end > digits && (end == page.size() || !std::isdigit(static_cast<unsigned char>(page[end]))))
            return std::string(page.substr(at + 4, end - at - 4));
    }
    return std::nullopt;
}

bool IsWholePage(std::string_view page) {
    const size_t end = FindNoCase(page, "</html>");
    return end != std::string_view::npos && page.size() - end < 4096;
}

std::vector<WebDownload> ReadTransfers(std::string_view page) {
    std::vector<WebDownload> found;
    size_t rowStart = 0;
    for (size_t at = page.find(kFileLink); at != std::string_view::npos; at = page.find(kFileLink, at + 1)) {
        size_t cursor = at + kFileLink.size();
        const auto name = Field(page, cursor);
        const auto size = name ? Field(page, cursor) : std::nullopt;
        const auto hex = size ? Field(page, cursor) : std::nullopt;
        if (!hex) continue;
        uint64_t bytes = 0;
        const auto [end, ec] = std::from_chars(size->data(), size->data() + size->size(), bytes);
        const auto hash = hex->size() == 32 ? Ed2kHash::FromHex(*hex) : std::nullopt;
        if (ec != std::errc{} || end != size->data() + size->size() || !hash) continue;
        const size_t linkEnd = page.find_first_of("'\"<>\r\n", cursor);
        std::string state = StateNear(page, rowStart, at, linkEnd == std::string_view::npos ? page.size() : linkEnd);
        rowStart = cursor;
        // A template that shows a link twice in a row lists the download once.
        if (std::ranges::any_of(found, [&](const WebDownload& d) { return d.hash == *hash; })) continue;
        found.push_back(WebDownload{*hash, LinkName(*name), bytes, std::move(state)});
    }
    return found;
}

std::optional<std::string> Unpacked(std::string body) {
    if (body.size() < 2 || static_cast<unsigned char>(body[0]) != 0x1F || static_cast<unsigned char>(body[1]) != 0x8B)
        return body;
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return std::nullopt;
    std::string out;
    std::array<char, 16384> buffer;
    z.next_in = reinterpret_cast<Bytef*>(body.data());
    z.avail_in = static_cast<uInt>(body.size());
    int result = Z_OK;
    while (result == Z_OK && out.size() <= kMaxPage) {
        z.next_out = reinterpret_cast<Bytef*>(buffer.data());
        z.avail_out = static_cast<uInt>(buffer.size());
        result = inflate(&z, Z_NO_FLUSH);
        out.append(buffer.data(), buffer.size() - z.avail_out);
        if (result == Z_BUF_ERROR && z.avail_in == 0) break;  // cut short
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END || out.size() > kMaxPage) return std::nullopt;
    return out;
}

std::string WebClient::Base() const {
    const bool v6 = settings_.host.find(':') != std::string::npos;
    return std::string(settings_.https ? "https://" : "http://") + (v6 ? "[" + settings_.host + "]" : settings_.host) +
           ":" + std::to_string(settings_.port) + "/";
}

std::expected<std::string, WebError> WebClient::Get(const std::string& query) {
    auto answer = fetch_(Base() + "?" + query);
    if (!answer) {
        const WebErrorKind kind = answer.error().kind == FetchErrorKind::NotReached ? WebErrorKind::NotReached
                                  : answer.error().kind == FetchErrorKind::TimedOut ? WebErrorKind::Timeout
                                                                                    : WebErrorKind::BadAnswer;
        return std::unexpected(WebError{kind, answer.error().detail});
    }
    if (!Answered(answer))
        return std::unexpected(WebError{WebErrorKind::BadAnswer, "HTTP " + std::to_string(answer->status)});
    auto page = Unpacked(std::move(answer->body));
    if (!page) return std::unexpected(WebError{WebErrorKind::BadAnswer, "a compressed page that does not unpack"});
    if (page->size() > kMaxPage) return std::unexpected(WebError{WebErrorKind::BadAnswer, "a page far too large"});
    return *std::move(page);
}

std::expected<void, WebError> WebClient::Login() {
    const auto page = Get("w=password&p=" + QueryEscaped(settings_.password));
    if (!page) return std::unexpected(page.error());
    if (IsLoginPage(*page)) return std::unexpected(WebError{WebErrorKind::WrongPassword, {}});
    const auto session = SessionOf(*page);
    if (!session) {
        // After five wrong passwords eMule answers a bare sentence ("Access denied") for 15 minutes.
        if (!page->empty() && page->find('<') == std::string::npos && page->size() < 400)
            return std::unexpected(WebError{WebErrorKind::LockedOut, *page});
        return std::unexpected(WebError{WebErrorKind::BadAnswer, "no session in the page after the login"});
    }
    session_ = *session;
    return {};
}

std::expected<WebClient, WebError> WebClient::LogIn(const WebSettings& settings, Fetch fetch) {
    WebClient client(settings, std::move(fetch));
    if (auto done = client.Login(); !done) return std::unexpected(done.error());
    return client;
}

std::expected<std::string, WebError> WebClient::TransferPage(const std::string& query) {
    // cat=0: every download, whatever category the session showed last.
    const auto ask = [&] { return Get("ses=" + session_ + "&w=transfer&cat=0" + query); };
    auto page = ask();
    if (page && IsLoginPage(*page)) {
        // eMule ended the session (it does after some minutes without a request): log in again, once.
        if (auto again = Login(); !again) return std::unexpected(again.error());
        page = ask();
        if (page && IsLoginPage(*page))
            return std::unexpected(WebError{WebErrorKind::BadAnswer, "the login page again after logging in"});
    }
    if (page && !IsWholePage(*page))
        return std::unexpected(WebError{WebErrorKind::BadAnswer, "the transfer page was cut short"});
    return page;
}

std::expected<std::vector<WebDownload>, WebError> WebClient::Transfers() {
    const auto page = TransferPage("");
    if (!page) return std::unexpected(page.error());
    return ReadTransfers(*page);
}

std::expected<void, WebError> WebClient::Act(WebAction action, const Ed2kHash& hash) {
    const auto page = TransferPage(std::string("&op=") + OpName(action) + "&file=" + ToUpperAscii(hash.ToHex()));
    if (!page) return std::unexpected(page.error());
    const auto after = ReadTransfers(*page);
    const auto it = std::ranges::find_if(after, [&](const WebDownload& d) { return d.hash == hash; });
    if (action == WebAction::Cancel) {
        if (it == after.end()) return {};
        return std::unexpected(WebError{WebErrorKind::Failed, "the download is still listed"});
    }
    if (it == after.end()) return std::unexpected(WebError{WebErrorKind::NotFound, {}});
    // A state the template does not show cannot be checked.
    const std::string& s = it->state;
    const bool done = s.empty() || (action == WebAction::Pause && (s == "paused" || s == "stopped")) ||
                      (action == WebAction::Stop && s == "stopped") ||
                      (action == WebAction::Resume && s != "paused" && s != "stopped");
    if (!done) return std::unexpected(WebError{WebErrorKind::Failed, "the download is " + s});
    return {};
}

std::expected<void, WebError> WebClient::AddLink(const std::string& link) {
    const auto page = TransferPage("&ed2k=" + QueryEscaped(link));
    if (!page) return std::unexpected(page.error());
    // A file link shows as a download at once; other links (servers, sources) cannot be checked here.
    const auto sent = ReadTransfers(link + "'");
    if (sent.empty()) return {};
    const auto after = ReadTransfers(*page);
    if (std::ranges::any_of(after, [&](const WebDownload& d) { return d.hash == sent.front().hash; })) return {};
    return std::unexpected(WebError{WebErrorKind::Failed, "the link is not in the transfer list"});
}

}  // namespace kv::emule
