#pragma once

// Debian's headless Chromium driven over its DevTools protocol on a pipe
// (--remote-debugging-pipe: JSON messages ended by NUL on fds 3 and 4), one
// page of it, so that a test sees what a user's browser does with the page.

#include <sys/types.h>

#include <nlohmann/json.hpp>
#include <string>

namespace kv::test {

class Chromium {
public:
    static bool Installed();

    // A fresh profile in profileDir; Running() says whether the page is ready.
    explicit Chromium(const std::string& profileDir);
    ~Chromium();
    Chromium(const Chromium&) = delete;
    Chromium& operator=(const Chromium&) = delete;

    bool Running() const { return !session_.empty(); }

    // A protocol call on the page; its result, or {"error": ...} when refused or not answered in time.
    nlohmann::json Call(const std::string& method, const nlohmann::json& params = nlohmann::json::object());
    // An expression's value in the page (promises awaited); an exception's text as {"exception": text}.
    nlohmann::json Evaluate(const std::string& expression);
    // Evaluates expression until it is true or seconds pass.
    bool WaitFor(const std::string& expression, double seconds);
    bool Navigate(const std::string& url);
    // The whole page as PNG bytes.
    std::string Screenshot();
    // What the browser logged to its console, one line each.
    const std::string& Console() const { return console_; }

private:
    bool Send(const nlohmann::json& message);
    nlohmann::json Receive(double seconds);
    void Stop();

    pid_t pid_ = -1;
    int toBrowser_ = -1, fromBrowser_ = -1;
    std::string buffer_, session_, console_;
    int next_ = 0;
};

}  // namespace kv::test
