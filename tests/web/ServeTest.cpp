// kestrivane-cli serve against real clients on loopback: what it answers, what it
// refuses, and that no client can hold it up.
#include <netinet/in.h>
#include <sys/socket.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "../cli/Spawn.h"
#include "PartMetBuilder.h"
#include "common/StringUtil.h"
#include "platform/Socket.h"

namespace kv::test {
namespace {

// Waits that only keep a broken server from hanging the test.
constexpr double kGenerous = 30.0;

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
std::string PartMet(int seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(static_cast<uint8_t>(seed)), .name = name, .size = 734003200,
                         .extraTags = {}});
}

// A client on a plain socket: it says exactly what a test wants, and reads with a deadline.
class Client {
public:
    explicit Client(uint16_t port) : socket_(net::Connect("127.0.0.1", port)) {}
    bool Send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::send(static_cast<int>(socket_.Get()), bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }
    // Reads until done says so, the server closes, or seconds pass.
    bool ReadUntil(const std::function<bool()>& done, double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || closed) return false;
            pollfd p{static_cast<int>(socket_.Get()), POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char buffer[65536];
            const ssize_t n = ::recv(p.fd, buffer, sizeof buffer, 0);
            if (n <= 0) closed = true;
            else in.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }
    bool ReadHas(const std::string& text, double seconds) {
        return ReadUntil([&] { return in.find(text) != std::string::npos; }, seconds);
    }
    std::string in;
    bool closed = false;

private:
    net::Socket socket_;
};

int StatusOf(const std::string& response) {
    return response.starts_with("HTTP/1.1 ") ? std::atoi(response.c_str() + 9) : -1;
}
std::string BodyOf(const std::string& response) {
    const size_t at = response.find("\r\n\r\n");
    return at == std::string::npos ? "" : response.substr(at + 4);
}

class ServeTest : public CliFixture {
protected:
    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
        home.Write("FAKES.DAT", ToUpperAscii(Hash(0x20)) + ",734003200,Fake <b>trailer</b> only\r\n");
        // Markup, a terminal escape, a C1 control and a right-to-left override in a name.
        temp.Write("001.part.met", PartMet(0x20, "<script>alert(1)</script>\x1b[31m\xc2\x9b\xe2\x80\xaeiva.exe"));
        temp.Write("002.part.met", PartMet(0x30, "holiday.avi"));
    }
    // Started, its address read from its first line.
    void Serve() {
        server_ = Start({"serve", "--listen", "127.0.0.1:0"});
        ASSERT_TRUE(server_->ReadUntil([&] { return server_->out.find('\n') != std::string::npos; }, kGenerous))
            << server_->err;
        const std::string url = server_->out.substr(0, server_->out.find('\n'));
        ASSERT_TRUE(url.starts_with("http://127.0.0.1:")) << url;
        port_ = static_cast<uint16_t>(std::stoi(url.substr(17)));
        token_ = url.substr(url.find("?token=") + 7);
        ASSERT_EQ(token_.size(), 64u) << url;
    }
    // One request on its own connection, read to its end.
    std::string Ask(const std::string& request) {
        Client c(port_);
        EXPECT_TRUE(c.Send(request));
        c.ReadUntil([] { return false; }, kGenerous);
        return c.in;
    }
    std::string Get(const std::string& path, const std::string& extra = "") {
        return Ask("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nAuthorization: Bearer " +
                   token_ + "\r\n" + extra + "\r\n");
    }

    std::unique_ptr<Spawned> server_;
    uint16_t port_ = 0;
    std::string token_;
};

TEST_F(ServeTest, FindingsAreCheckJsonAndANewFakeIsAnEventWithinSeconds) {
    Serve();
    // The token made on the first start is its owner's alone.
    EXPECT_EQ(std::filesystem::status(home.File("serve-token")).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const std::string check = Run({"check", "--json"}).out;
    const std::string findings = Get("/api/v1/findings");
    ASSERT_EQ(StatusOf(findings), 200) << findings;
    EXPECT_EQ(BodyOf(findings), check);  // the same fields, the same bytes
    // The hostile name is JSON text: its controls escaped, nothing raw left.
    EXPECT_NE(check.find("\\u001b[31m\\u009b"), std::string::npos) << check;
    EXPECT_EQ(BodyOf(findings).find('\x1b'), std::string::npos);
    EXPECT_NE(findings.find("Content-Type: application/json"), std::string::npos);
    const size_t tagAt = findings.find("ETag: ");
    ASSERT_NE(tagAt, std::string::npos);
    const std::string etag = findings.substr(tagAt + 6, findings.find("\r\n", tagAt) - tagAt - 6);
    EXPECT_EQ(StatusOf(Get("/api/v1/findings", "If-None-Match: " + etag + "\r\n")), 304);

    Client events(port_);
    events.Send("GET /api/v1/events HTTP/1.1\r\nHost: localhost\r\nAuthorization: Bearer " + token_ + "\r\n\r\n");
    ASSERT_TRUE(events.ReadHas("retry:", kGenerous)) << events.in;
    temp.Write("050.part.met", PartMet(0x20, "new fake.avi"));
    // Generous: the watch reads a change within 2 s.
    EXPECT_TRUE(events.ReadHas("\"part\":\"050.part\"", 4.0)) << events.in;
    EXPECT_NE(events.in.find("Content-Type: text/event-stream"), std::string::npos);
    // The table follows: a new ETag is announced.
    ASSERT_TRUE(events.ReadHas("event: findings", kGenerous)) << events.in;
    EXPECT_NE(BodyOf(Get("/api/v1/findings")).find("050.part"), std::string::npos);

    // A client that lost the stream resumes after the last event it had; one from another run starts over.
    std::string seen = events.in.substr(events.in.find("id: "));
    for (size_t at; (at = seen.find(": keep-alive\n\n")) != std::string::npos;) seen.erase(at, 14);
    const std::string had = seen.substr(0, seen.find("\n\n") + 2), after = seen.substr(had.size());
    Client resumed(port_);
    resumed.Send("GET /api/v1/events HTTP/1.1\r\nHost: localhost\r\nAuthorization: Bearer " + token_ +
                 "\r\nLast-Event-ID: " + had.substr(4, had.find('\n') - 4) + "\r\n\r\n");
    EXPECT_TRUE(resumed.ReadHas("retry: 3000\n\n" + after, kGenerous)) << resumed.in << "\n---\n" << seen;
    Client stale(port_);
    stale.Send("GET /api/v1/events HTTP/1.1\r\nHost: localhost\r\nAuthorization: Bearer " + token_ +
               "\r\nLast-Event-ID: 1-7\r\n\r\n");
    EXPECT_TRUE(stale.ReadHas("event: reset", kGenerous)) << stale.in;

    // A second serve on the same home is refused, naming the first.
    const Ran second = Run({"serve", "--listen", "127.0.0.1:0"});
    EXPECT_EQ(second.code, 2);
    EXPECT_NE(second.err.find("'kestrivane-cli serve' (process "), std::string::npos) << second.err;
    server_->Signal(SIGTERM);
    EXPECT_EQ(server_->Finish(), 0) << server_->err;
}

TEST_F(ServeTest, TheTokenTheHostAndTheOriginAreCheckedAndSizesCapped) {
    Serve();
    const std::string bearer = "Authorization: Bearer " + token_ + "\r\n";
    const std::string cookie = "Cookie: kestrivane_token=" + token_ + "\r\n";
    const auto post = [&](const std::string& headers, const std::string& body = "",
                          const std::string& path = "/api/v1/check") {
        return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + headers +
               "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    const auto get = [&](const std::string& target, const std::string& headers, const std::string& host = "127.0.0.1") {
        return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n" + headers + "\r\n";
    };
    const struct {
        const char* what;
        std::string request;
        int status;
        std::string has;  // in the response
    } cases[] = {
        {"health needs no token", get("/health", ""), 200, "\"status\":\"ok\""},
        {"no token", get("/api/v1/findings", ""), 401, "WWW-Authenticate: Bearer"},
        {"the page without a token", get("/", ""), 401, ""},
        {"a wrong token", get("/api/v1/findings", "Authorization: Bearer " + std::string(64, 'a') + "\r\n"), 401, ""},
        {"another site's name (DNS rebinding)", get("/api/v1/findings", bearer, "evil.example:4719"), 403, ""},
        {"the login", get("/?token=" + token_, ""), 303, "HttpOnly; SameSite=Strict"},
        {"the page with the cookie", get("/", cookie), 200, "Content-Security-Policy: default-src 'self'"},
        {"nothing sniffed", get("/", cookie), 200, "X-Content-Type-Options: nosniff"},
        {"a program's POST", post(bearer), 202, ""},
        {"the page's own POST", post(cookie + "Origin: http://127.0.0.1\r\n"), 202, ""},
        {"a cross-site POST", post(bearer + "Origin: http://evil.example\r\n"), 403, ""},
        {"a cross-site POST with the cookie", post(cookie + "Sec-Fetch-Site: cross-site\r\n"), 403, ""},
        {"a cookie's POST without an origin", post(cookie), 403, ""},
        {"an oversized body", post(bearer, std::string(1024 * 1024 + 1, 'x')), 413, ""},
        {"an oversized head", get("/health", "X-Pad: " + std::string(20000, 'x') + "\r\n"), 431, ""},
        {"a smuggled length", get("/health", "Transfer-Encoding: chunked\r\n"), 501, ""},
        // The row actions, by part or hash.
        {"a mark", post(bearer, R"({"reason":"<b>mine</b>"})", "/api/v1/downloads/002/mark"), 200, Hash(0x30)},
        {"the own list", get("/api/v1/lists", bearer), 200, R"("allowed":false,"description":"<b>mine</b>")"},
        {"a mark without a reason", post(bearer, "{}", "/api/v1/downloads/002/mark"), 400, ""},
        {"no such download", post(bearer, R"({"reason":"x"})", "/api/v1/downloads/077/mark"), 404, ""},
        {"pause with no aMule", post(bearer, "", "/api/v1/downloads/002/pause"), 409, "amule connect"},
        {"no such action", post(bearer, "", "/api/v1/downloads/002/explode"), 404, ""},
    };
    for (const auto& c : cases) {
        const std::string response = Ask(c.request);
        EXPECT_EQ(StatusOf(response), c.status) << c.what << "\n" << response;
        EXPECT_NE(response.find(c.has), std::string::npos) << c.what << "\n" << response;
        if (c.status == 303) {
            EXPECT_NE(response.find("Location: /\r\n"), std::string::npos) << response;
        }
    }
    // Guessing is throttled: after ten wrong tokens even the right one waits.
    for (int i = 0; i < 10; ++i) Ask(get("/api/v1/findings", "Authorization: Bearer wrong\r\n"));
    EXPECT_EQ(StatusOf(Ask(get("/api/v1/findings", bearer))), 429);
}

TEST_F(ServeTest, SlowAndStalledClientsHoldUpNobody) {
    Serve();
    // Trickling heads, a body that never comes, a stream nobody reads.
    std::vector<std::unique_ptr<Client>> slow;
    for (int i = 0; i < 40; ++i) {
        slow.push_back(std::make_unique<Client>(port_));
        slow.back()->Send(i % 2 ? "GET /health HTTP/1.1\r\nHost: 127" : "POST /api/v1/check HTTP/1.1\r\nContent-Length: 100\r\n\r\nx");
    }
    Client unread(port_);
    unread.Send("GET /api/v1/events HTTP/1.1\r\nHost: localhost\r\nAuthorization: Bearer " + token_ + "\r\n\r\n");
    // Generous: a server held up by them would answer only after their 10 s.
    Client quick(port_);
    quick.Send("GET /api/v1/findings HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " + token_ + "\r\n\r\n");
    EXPECT_TRUE(quick.ReadHas("\n]\n", 4.0)) << quick.in;
    // Kept alive: a second request on the same connection.
    quick.in.clear();
    quick.Send("GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_TRUE(quick.ReadHas("\"status\":\"ok\"", kGenerous)) << quick.in;
}

}  // namespace
}  // namespace kv::test
