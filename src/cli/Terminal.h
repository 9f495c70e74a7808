#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "usecases/Transfer.h"

namespace kv::cli {

// A transfer on a terminal: one line, rewritten in place ('\r'), with the
// bytes so far, the percentage when the length was announced, and the rate.
// Disabled, it shows nothing: a pipe or a cron mail gets no progress at all.
class TerminalProgress : public TransferProgress {
public:
    using Clock = std::function<double()>;  // seconds, monotonic
    TerminalProgress(std::ostream& err, bool enabled, Clock clock = {});

    void Expected(int64_t bytes) override;
    void Read(size_t bytes) override;
    void Waiting() override;
    // Ends a line still being rewritten, so that the next text starts on its own.
    void Finish();

    // The line for so many bytes of expected (-1: unknown) after seconds.
    static std::string Line(int64_t bytes, int64_t expected, double seconds);

private:
    void Draw(bool force);

    std::ostream& err_;
    bool enabled_;
    Clock clock_;
    double start_ = -1, lastDrawn_ = -1;
    int64_t bytes_ = 0, expected_ = -1;
    bool lineOpen_ = false;
};

// What an operation said while it ran: status lines and boxes ("<title>: <text>").
// Live, each is written to the error stream as it comes; otherwise they are
// kept, so that the caller prints only the summary, or the failure.
class StatusLog {
public:
    struct Message {
        bool box = false;
        std::string text;   // bytes as the core gave them
        std::string title;  // boxes only
    };

    // progress: show transfers on one updating line (a terminal, not quiet).
    StatusLog(std::ostream& err, bool live, bool progress = false) : err_(err), live_(live), progress_(err, progress) {}

    void Status(const std::string& text);
    void Box(const std::string& text, const std::string& title);
    TerminalProgress& Progress() { return progress_; }

    // The last status text ("" when none was written).
    std::string LastStatus() const;
    // Writes the boxes that were kept back, each as "<title>: <text>".
    void PrintBoxes() const;

private:
    std::ostream& err_;
    bool live_;
    TerminalProgress progress_;
    std::vector<Message> messages_;
};

// A box as a terminal shows it: "<title>: <text>", its CR LF as line breaks.
std::string FormatBox(const std::string& title, const std::string& text);

// Text with every run of line breaks turned into one blank, trimmed.
std::string FlattenToOneLine(const std::string& text);

}  // namespace kv::cli
