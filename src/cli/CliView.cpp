#include "cli/CliView.h"

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

void CliView::SetStatus(const std::string& text, const std::string&) {
    messages_.push_back({false, text, ""});
    if (live_) err_ << VisibleControls(ToDisplayUtf8(text)) << '\n' << std::flush;
}

void CliView::MessageBox(const std::string& text, int, const std::string& title) {
    messages_.push_back({true, text, title});
    if (live_) err_ << FormatBox(title, text) << '\n' << std::flush;
}

std::string CliView::LastStatus() const {
    for (auto it = messages_.rbegin(); it != messages_.rend(); ++it)
        if (!it->box) return it->text;
    return "";
}

void CliView::PrintBoxes() const {
    if (live_) return;  // already written
    for (const auto& m : messages_)
        if (m.box) err_ << FormatBox(m.title, m.text) << '\n';
    err_ << std::flush;
}

}  // namespace kv::cli
