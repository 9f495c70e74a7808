#pragma once

// A loopback stand-in for eMule's Web Interface: pages filled in from eMule's
// own template (data/eMule-excerpt.tmpl) by the rules of eMule's WebServer.cpp,
// its sessions, its lock-out after five wrong passwords, and its actions.

#include <httplib.h>
#include <zlib.h>

#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

class FakeEmule {
public:
    struct File {
        std::string hash;  // upper-case hex, as eMule prints it
        std::string name;  // as eMule holds it
        uint64_t size = 0;
        std::string state = "downloading";
    };

    explicit FakeEmule(std::string password) : password_(std::move(password)) {
        std::ifstream in(std::string(KV_EMULE_DATA_DIR) + "/eMule-excerpt.tmpl", std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        tmpl_ = all.str();
        server_.Get("/", [this](const httplib::Request& req, httplib::Response& res) { Serve(req, res); });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~FakeEmule() {
        server_.stop();
        thread_.join();
    }
    uint16_t Port() const { return static_cast<uint16_t>(port_); }

    std::vector<File> files;
    bool gzip = false;      // eMule's default: gzip whatever was asked
    bool cutShort = false;  // the transfer page ends in the middle

    // eMule drops sessions after WebTimeoutMins without a request.
    void ExpireSessions() {
        std::lock_guard lock(mutex_);
        sessions_.clear();
    }
    std::vector<std::string> Queries() const {
        std::lock_guard lock(mutex_);
        return queries_;
    }
    int Logins() const {
        std::lock_guard lock(mutex_);
        return logins_;
    }

private:
    static std::string Section(const std::string& all, const std::string& name) {
        const std::string open = "<--" + name + "-->\n", close = "<--" + name + "_END-->";
        const size_t a = all.find(open), b = all.find(close);
        return a == std::string::npos || b == std::string::npos ? "" : all.substr(a + open.size(), b - a - open.size());
    }
    static void Replace(std::string& s, const std::string& from, const std::string& to) {
        for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
    }
    static std::string SpecialChars(std::string s) {
        Replace(s, "&", "&amp;");
        Replace(s, "<", "&lt;");
        Replace(s, ">", "&gt;");
        Replace(s, "\"", "&quot;");
        return s;
    }
    // eMule's link: the name without what Windows forbids, percent-encoded beyond ASCII.
    static std::string Link(const File& f) {
        std::string name;
        for (const char c : f.name) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 32 || std::string_view("\"*<>?|\\/:").find(c) != std::string_view::npos) continue;
            if (c == '%' || c == ' ' || u >= 0x7F) {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%%%02X", u);
                name += hex;
            } else {
                name += c;
            }
        }
        return "ed2k://|file|" + name + "|" + std::to_string(f.size) + "|" + f.hash + "|/";
    }
    std::string Line(const File& f, const std::string& session) const {
        std::string line = Section(tmpl_, "TMPL_TRANSFER_DOWN_LINE");
        std::string ed2k = Link(f);
        Replace(ed2k, "'", "&#8217;");
        std::string finfo = SpecialChars(f.name);
        Replace(finfo, "'", "&#8217;");
        Replace(line, "[finfo]", finfo);
        Replace(line, "[ed2k]", SpecialChars(ed2k));
        Replace(line, "[DownState]", f.state);
        Replace(line, "[fname]", SpecialChars(SpecialChars(f.name)));
        Replace(line, "[session]", session);
        Replace(line, "[filehash]", f.hash);
        Replace(line, "[FileInfo]", SpecialChars(f.name));
        Replace(line, "[ShortFileName]", SpecialChars(f.name));
        Replace(line, "[2]", std::to_string(f.size));
        return line;
    }
    std::string Page(const std::string& session, bool transfer) const {
        std::string page = Section(tmpl_, "TMPL_HEADER");
        Replace(page, "[Session]", session);
        if (transfer)
            for (const File& f : files) page += Line(f, session);
        page += Section(tmpl_, "TMPL_FOOTER");
        Replace(page, "[CharSet]", "utf-8");
        if (transfer && cutShort) page.resize(page.size() * 2 / 3);
        return page;
    }
    void Send(httplib::Response& res, std::string body, bool mayZip) const {
        if (gzip && mayZip) {
            z_stream z{};
            deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            std::string out(deflateBound(&z, body.size()), '\0');
            z.next_in = reinterpret_cast<Bytef*>(body.data());
            z.avail_in = static_cast<uInt>(body.size());
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, Z_FINISH);
            out.resize(z.total_out);
            deflateEnd(&z);
            body = std::move(out);
            res.set_header("Content-Encoding", "gzip");
        }
        res.set_content(body, "text/html");
    }
    void Serve(const httplib::Request& req, httplib::Response& res) {
        std::lock_guard lock(mutex_);
        queries_.push_back(req.target);
        const auto param = [&](const char* key) { return req.has_param(key) ? req.get_param_value(key) : ""; };
        std::string login = Section(tmpl_, "TMPL_LOGIN");
        Replace(login, "[CharSet]", "utf-8");
        if (badLogins_ > 4) return Send(res, "Access denied", false);
        if (param("w") == "password") {
            if (param("p") != password_) {
                if (++badLogins_ > 4) return Send(res, "Access denied", false);
                return Send(res, login, false);
            }
            ++logins_;
            const std::string session = std::to_string(nextSession_++);
            sessions_.push_back(session);
            return Send(res, Page(session, false), false);
        }
        const std::string session = param("ses");
        if (std::find(sessions_.begin(), sessions_.end(), session) == sessions_.end()) return Send(res, login, false);
        if (param("w") == "transfer") {
            const std::string op = param("op");
            for (auto it = files.begin(); it != files.end(); ++it) {
                if (op.empty() || it->hash != param("file")) continue;
                if (op == "cancel") {
                    files.erase(it);
                    break;
                }
                it->state = op == "pause" ? "paused" : op == "stop" ? "stopped" : op == "resume" ? "waiting" : it->state;
            }
            const std::string link = param("ed2k");
            if (link.starts_with("ed2k://|file|")) {
                File added;
                std::vector<std::string> fields;
                std::stringstream split(link.substr(13));
                for (std::string field; std::getline(split, field, '|');) fields.push_back(field);
                if (fields.size() >= 3) files.push_back({fields[2], fields[0], std::stoull(fields[1]), "waiting"});
            }
        }
        Send(res, Page(session, param("w") == "transfer"), true);
    }

    std::string password_;
    std::string tmpl_;
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> sessions_;
    std::vector<std::string> queries_;
    int nextSession_ = 10740;
    int badLogins_ = 0;
    int logins_ = 0;
};

}  // namespace kv::test
