#include "cli/Terminal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "common/DisplayText.h"

namespace kv::cli {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// CR LF, a lone CR and a lone LF each become one '\n'.
std::string NormaliseLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string FormatBox(const std::string& title, const std::string& text) {
    // Line breaks stay line breaks; any other control byte is shown, not sent to the terminal.
    std::string shown;
    for (const char c : ToDisplayUtf8(NormaliseLineBreaks(text)))
        shown += c == '\n' ? std::string("\n") : VisibleControls(std::string_view(&c, 1));
    return VisibleControls(ToDisplayUtf8(title)) + ": " + shown;
}

std::string FlattenToOneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text[i])) {
            out += text[i];
            continue;
        }
        while (i + 1 < text.size() && IsLineBreak(text[i + 1])) ++i;
        if (!out.empty() && out.back() != ' ') out += ' ';
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

void StatusLog::Status(const std::string& text) {
    messages_.push_back({false, text, ""});
    progress_.Finish();
    if (live_) err_ << VisibleControls(ToDisplayUtf8(text)) << '\n' << std::flush;
}

void StatusLog::Box(const std::string& text, const std::string& title) {
    messages_.push_back({true, text, title});
    progress_.Finish();
    if (live_) err_ << FormatBox(title, text) << '\n' << std::flush;
}

namespace {

// 1536 -> "1.5 KiB"; below 1 KiB in bytes.
std::string Size(double bytes) {
    static const char* const units[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024) return std::to_string(static_cast<int64_t>(bytes)) + " B";
    int unit = -1;
    while (bytes >= 1024 && unit < 3) bytes /= 1024, ++unit;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", bytes, units[unit]);
    return text;
}

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Redrawn at most this often: a fast link must not flood the terminal.
constexpr double kRedrawSeconds = 0.1;

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& err, bool enabled, Clock clock)
    : err_(err), enabled_(enabled), clock_(clock ? std::move(clock) : Clock(&SteadySeconds)) {}

std::string TerminalProgress::Line(int64_t bytes, int64_t expected, double seconds) {
    std::string line = "Downloading: " + Size(static_cast<double>(bytes));
    if (expected > 0) {
        const int64_t percent = std::min<int64_t>(100, bytes * 100 / expected);
        line += " of " + Size(static_cast<double>(expected)) + " (" + std::to_string(percent) + "%)";
    }
    if (seconds > 0) line += ", " + Size(static_cast<double>(bytes) / seconds) + "/s";
    return line;
}

void TerminalProgress::Expected(int64_t bytes) {
    expected_ = bytes;
    bytes_ = 0;
    start_ = clock_();
    Draw(true);
}

void TerminalProgress::Read(size_t bytes) {
    if (start_ < 0) start_ = clock_();
    bytes_ += static_cast<int64_t>(bytes);
    Draw(bytes == 0);  // the last call: the final figure
}

void TerminalProgress::Waiting() { Draw(false); }

void TerminalProgress::Draw(bool force) {
    if (!enabled_ || start_ < 0) return;
    const double now = clock_();
    if (!force && lastDrawn_ >= 0 && now - lastDrawn_ < kRedrawSeconds) return;
    lastDrawn_ = now;
    // "\x1b[K" clears what a longer earlier line left on the right.
    err_ << '\r' << Line(bytes_, expected_, now - start_) << "\x1b[K" << std::flush;
    lineOpen_ = true;
}

void TerminalProgress::Finish() {
    if (lineOpen_) err_ << '\n' << std::flush;
    lineOpen_ = false;
    start_ = -1;
    lastDrawn_ = -1;
    bytes_ = 0;
    expected_ = -1;
}

std::string StatusLog::LastStatus() const {
    for (auto it = messages_.rbegin(); it != messages_.rend(); ++it)
        if (!it->box) return it->text;
    return "";
}

void StatusLog::PrintBoxes() const {
    if (live_) return;  // already written
    for (const auto& m : messages_)
        if (m.box) err_ << FormatBox(m.title, m.text) << '\n';
    err_ << std::flush;
}

}  // namespace kv::cli
