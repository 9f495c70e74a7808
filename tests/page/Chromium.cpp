#include "Chromium.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace kv::test {

namespace {

using Clock = std::chrono::steady_clock;

std::string Base64Decode(const std::string& text) {
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        int v;
        if (c >= 'A' && c <= 'Z') v = c - 'A';
        else if (c >= 'a' && c <= 'z') v = c - 'a' + 26;
        else if (c >= '0' && c <= '9') v = c - '0' + 52;
        else if (c == '+') v = 62;
        else if (c == '/') v = 63;
        else continue;
        bits = (bits << 6) | static_cast<uint32_t>(v);
        if ((count += 6) >= 8) out += static_cast<char>((bits >> (count -= 8)) & 0xFF);
    }
    return out;
}

}  // namespace

bool Chromium::Installed() { return std::system("command -v chromium >/dev/null 2>&1") == 0; }

Chromium::Chromium(const std::string& profileDir) {
    int in[2], out[2];  // in: the browser reads [0] as fd 3; out: it writes [1] as fd 4
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    const std::string profile = "--user-data-dir=" + profileDir;
    const std::string log = profileDir + "/chromium.log";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setpgid(0, 0);
        ::dup2(in[0], 3);
        ::dup2(out[1], 4);
        const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(logFd, 1);
        ::dup2(logFd, 2);
        // Root in a container has no sandbox to give; the tests load only their own loopback server.
        ::execlp("chromium", "chromium", "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                 "--remote-debugging-pipe", profile.c_str(), "--no-first-run", "--no-default-browser-check",
                 "--no-proxy-server", "--disable-background-networking", "--disable-component-update",
                 "--disable-extensions", "--disable-sync", "--window-size=1200,900", "--force-device-scale-factor=1",
                 "about:blank", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    toBrowser_ = in[1];
    fromBrowser_ = out[0];
    const nlohmann::json target = Call("Target.createTarget", {{"url", "about:blank"}});
    if (!target.contains("targetId")) return;
    const nlohmann::json attached = Call("Target.attachToTarget", {{"targetId", target["targetId"]}, {"flatten", true}});
    if (!attached.contains("sessionId")) return;
    session_ = attached["sessionId"];
    for (const char* domain : {"Page.enable", "Runtime.enable"}) Call(domain);
}

Chromium::~Chromium() { Stop(); }

void Chromium::Stop() {
    if (toBrowser_ >= 0) ::close(toBrowser_);
    if (fromBrowser_ >= 0) ::close(fromBrowser_);
    toBrowser_ = fromBrowser_ = -1;
    if (pid_ <= 0) return;
    // The whole group: the browser's renderers and helpers go with it.
    ::kill(-pid_, SIGTERM);
    for (int i = 0; i < 100 && ::waitpid(pid_, nullptr, WNOHANG) != pid_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (i == 99) {
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    ::kill(-pid_, SIGKILL);
    pid_ = -1;
}

bool Chromium::Send(const nlohmann::json& message) {
    std::string bytes = message.dump();
    bytes += '\0';
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(toBrowser_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

nlohmann::json Chromium::Receive(double seconds) {
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    for (;;) {
        if (const size_t nul = buffer_.find('\0'); nul != std::string::npos) {
            nlohmann::json message = nlohmann::json::parse(buffer_.substr(0, nul), nullptr, false);
            buffer_.erase(0, nul + 1);
            return message;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0 || fromBrowser_ < 0) return nullptr;
        pollfd polled{fromBrowser_, POLLIN, 0};
        if (::poll(&polled, 1, static_cast<int>(left)) <= 0) continue;
        char chunk[65536];
        const ssize_t n = ::read(fromBrowser_, chunk, sizeof chunk);
        if (n <= 0) return nullptr;
        buffer_.append(chunk, static_cast<size_t>(n));
    }
}

nlohmann::json Chromium::Call(const std::string& method, const nlohmann::json& params) {
    if (toBrowser_ < 0) return {{"error", "no browser"}};
    const int id = ++next_;
    nlohmann::json message = {{"id", id}, {"method", method}, {"params", params}};
    if (!session_.empty() && !method.starts_with("Target.")) message["sessionId"] = session_;
    if (!Send(message)) return {{"error", "the browser is gone"}};
    const auto end = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < end) {
        const nlohmann::json answer = Receive(30);
        if (answer.is_null()) break;
        if (!answer.is_object()) continue;
        if (answer.value("method", "") == "Runtime.consoleAPICalled") {
            for (const auto& arg : answer["params"]["args"]) console_ += arg.value("value", nlohmann::json()).dump() + ' ';
            console_ += '\n';
        } else if (answer.value("method", "") == "Runtime.exceptionThrown") {
            console_ += answer["params"]["exceptionDetails"].dump() + '\n';
        }
        if (answer.value("id", 0) != id) continue;
        if (answer.contains("error")) return {{"error", answer["error"]}};
        return answer.value("result", nlohmann::json::object());
    }
    return {{"error", method + ": no answer"}};
}

nlohmann::json Chromium::Evaluate(const std::string& expression) {
    const nlohmann::json r =
        Call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}, {"awaitPromise", true}});
    if (r.contains("exceptionDetails")) return {{"exception", r["exceptionDetails"].dump()}};
    if (r.contains("error")) return {{"exception", r["error"].dump()}};
    return r.contains("result") ? r["result"].value("value", nlohmann::json()) : nlohmann::json();
}

bool Chromium::WaitFor(const std::string& expression, double seconds) {
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    do {
        if (Evaluate(expression) == true) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (Clock::now() < end);
    return false;
}

bool Chromium::Navigate(const std::string& url) {
    if (Call("Page.navigate", {{"url", url}}).contains("error")) return false;
    return WaitFor("document.readyState === 'complete'", 20);
}

std::string Chromium::Screenshot() {
    const nlohmann::json shot = Call("Page.captureScreenshot", {{"format", "png"}, {"captureBeyondViewport", true}});
    return shot.contains("data") ? Base64Decode(shot["data"].get<std::string>()) : std::string();
}

}  // namespace kv::test
