#include <cmath>
#include <cstdio>

#include "inspect/Suspicion.h"

namespace kv::inspect {

namespace {

// 734003200 -> "734,003,200"
std::string Grouped(uint64_t n) {
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string Bytes(uint64_t n) { return Grouped(n) + (n == 1 ? " byte" : " bytes"); }

// 7384 -> "2 h 3 min", 125 -> "2 min 5 s", 9 -> "9 s"
std::string Duration(double seconds) {
    const auto s = static_cast<uint64_t>(std::llround(std::max(seconds, 0.0)));
    if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s / 60 % 60) + " min";
    if (s >= 60) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s) + " s";
}

std::string Mbits(uint64_t bitsPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f Mbit/s", static_cast<double>(bitsPerSecond) / 1e6);
    return text;
}

std::string Plural(uint64_t n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

}  // namespace

std::string ReasonText(const Reason& r) {
    switch (r.kind) {
        case ReasonKind::None: return {};
        case ReasonKind::Content: return "claims " + r.claim + ", the data is " + r.data + r.detail;
        case ReasonKind::PlayableContent: return "the data is " + r.data + ", named ." + r.ext + ": it will play";
        case ReasonKind::ProgramBehindName: {
            std::string text = "a program posing as " + r.claim + ": the name ends in ." + r.ext;
            if (r.count > 0) text += ", " + Plural(r.count, "blank", "blanks") + " and ";
            return text + "." + r.ext2;
        }
        case ReasonKind::ProgramBehindBlanks:
            return "a program hidden behind blanks: the name has " + std::to_string(r.count) + " blanks before ." + r.ext2;
        case ReasonKind::RightToLeftMark: return "the name hides its real extension behind a right-to-left mark";
        case ReasonKind::MostlyZeros:
            return "the published file is mostly zeros (" + std::to_string(r.count) + " of " + std::to_string(r.total) +
                   " parts are empty)";
        case ReasonKind::PaddedClip:
            return "a short clip padded to a larger size: the " + r.data + " says it is " + Bytes(r.count) +
                   " long, the download is published as " + Bytes(r.total);
        case ReasonKind::TooShortForSize:
            return "the " + r.data + " says it plays " + Duration(r.seconds) + ", too short for " + Bytes(r.total) +
                   " (" + Mbits(r.count) + ", the most such a file carries is " + Mbits(r.limit) + ")";
        case ReasonKind::LengthMismatch:
            return "the " + r.data + " says it plays " + Duration(r.seconds) + ", the search result said " +
                   Duration(static_cast<double>(r.count));
        case ReasonKind::Junk: return "claims " + r.claim + ", the data is " + r.data;
        case ReasonKind::ScriptCommands:
            return "claims " + r.claim + ", the data is Windows Media that opens web pages as it plays (" +
                   Plural(r.count, "URL command", "URL commands") + (r.detail.empty() ? "" : ": " + r.detail) + ")";
        case ReasonKind::CorruptedParts:
            return Plural(r.count, "part", "parts") + " arrived corrupted: someone is feeding this download bad data";
        case ReasonKind::CorruptedBytes:
            return Bytes(r.count) + " were lost to corruption: someone is feeding this download bad data";
        case ReasonKind::NeverComplete:
            return "no source has had the whole file in " + Duration(static_cast<double>(r.count)) + " of downloading";
    }
    return {};
}

Suspicion MakeSuspicion(Strength strength, Reason why, Severity severity) {
    std::string text = ReasonText(why);
    return Suspicion{strength, std::move(text), severity, std::move(why)};
}

}  // namespace kv::inspect
