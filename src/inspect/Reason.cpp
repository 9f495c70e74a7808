#include <cmath>
#include <cstdio>

#include "inspect/Suspicion.h"

#include "common/Translator.h"

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

// The verdicts' words are patterns a front end may translate; the figures in
// them (grouped digits, units) stay as they are.
constexpr const char* kContext = "Verdicts";

std::string T(const Translator& tr, const char* source, std::initializer_list<std::string_view> parts = {}) {
    return Tr(tr, kContext, source, parts);
}

// The names of types (the extension table's claims, the sniffer's findings,
// the headers) are worded too; one built of several words stays as it is.
std::string Type(const Translator& tr, const std::string& name) { return tr.Translate("Types", name.c_str()); }

std::string Bytes(const Translator& tr, uint64_t n) {
    return n == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 byte"), {Grouped(n)})
                  : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 bytes"), {Grouped(n)});
}

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

// 1124 -> "11.2"
std::string Hundredths(uint64_t n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(n) / 100);
    return text;
}

std::string ProgramBehindNameText(const Reason& r, const Translator& tr) {
    const std::string count = std::to_string(r.count);
    if (r.count == 0)
        return T(tr, QT_TRANSLATE_NOOP("Verdicts", "a program posing as %1: the name ends in .%2.%3"),
                 {Type(tr, r.claim), r.ext, r.ext2});
    const std::string blanks = r.count == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 blank"), {count})
                                            : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 blanks"), {count});
    return T(tr, QT_TRANSLATE_NOOP("Verdicts", "a program posing as %1: the name ends in .%2, %3 and .%4"),
             {Type(tr, r.claim), r.ext, blanks, r.ext2});
}

std::string ScriptCommandsText(const Reason& r, const Translator& tr) {
    const std::string count = std::to_string(r.count);
    const std::string urls = r.count == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 URL command"), {count})
                                          : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 URL commands"), {count});
    const std::string files =
        r.total == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 FILENAME command"), {std::to_string(r.total)})
                     : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 FILENAME commands"), {std::to_string(r.total)});
    const std::string commands = r.total == 0   ? urls
                                 : r.count == 0 ? files
                                                : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 and %2"), {urls, files});
    if (r.detail.empty())
        return T(tr,
                 QT_TRANSLATE_NOOP("Verdicts", "claims %1, the data is Windows Media that opens web pages as "
                                               "it plays (%2)"),
                 {Type(tr, r.claim), commands});
    return T(tr,
             QT_TRANSLATE_NOOP("Verdicts", "claims %1, the data is Windows Media that opens web pages as it "
                                           "plays (%2: %3)"),
             {Type(tr, r.claim), commands, r.detail});
}

std::string ClientRatingsText(const Reason& r, const Translator& tr) {
    const std::string count = std::to_string(r.count);
    std::string text = r.total == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "rated Fake by %1 of %2 source"),
                                        {count, std::to_string(r.total)})
                                    : T(tr, QT_TRANSLATE_NOOP("Verdicts", "rated Fake by %1 of %2 sources"),
                                        {count, std::to_string(r.total)});
    if (!r.detail.empty()) text += ": '" + r.detail + "'";
    return text;
}

}  // namespace

std::string ReasonText(const Reason& r, const Translator& tr) {
    const std::string count = std::to_string(r.count);
    switch (r.kind) {
        case ReasonKind::None: return {};
        case ReasonKind::Content:
        case ReasonKind::Junk:
            // The detail (DRM, a self-extractor, a playlist's addresses) follows the data.
            // Junk's data is a pattern whose figure is the detail ("%1 bits a byte").
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "claims %1, the data is %2%3"),
                     {Type(tr, r.claim),
                      r.kind == ReasonKind::Junk ? Tr(tr, "Types", r.data.c_str(), {r.detail}) : Type(tr, r.data),
                      r.kind != ReasonKind::Content ? ""
                      : r.detailPattern.empty()     ? r.detail
                                                    : T(tr, r.detailPattern.c_str(), {r.detail})});
        case ReasonKind::PlayableContent:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "the data is %1, named .%2: it will play"), {Type(tr, r.data), r.ext});
        case ReasonKind::ProgramBehindName: return ProgramBehindNameText(r, tr);
        case ReasonKind::ProgramBehindBlanks:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "a program hidden behind blanks: the name has %1 blanks before .%2"),
                     {count, r.ext2});
        case ReasonKind::RightToLeftMark:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "the name hides its real extension behind a right-to-left mark"));
        case ReasonKind::MostlyZeros:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "the published file is mostly zeros (%1 of %2 parts are empty)"),
                     {count, std::to_string(r.total)});
        case ReasonKind::PaddedClip:
            return T(tr,
                     QT_TRANSLATE_NOOP("Verdicts", "a short clip padded to a larger size: the %1 says it is %2 long, "
                                                   "the download is published as %3"),
                     {Type(tr, r.data), Bytes(tr, r.count), Bytes(tr, r.total)});
        case ReasonKind::TooShortForSize:
            return T(tr,
                     QT_TRANSLATE_NOOP("Verdicts", "the %1 says it plays %2, too short for %3 (%4, the most such a "
                                                   "file carries is %5)"),
                     {Type(tr, r.data), Duration(r.seconds), Bytes(tr, r.total), Mbits(r.count), Mbits(r.limit)});
        case ReasonKind::LengthMismatch:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "the %1 says it plays %2, the search result said %3"),
                     {Type(tr, r.data), Duration(r.seconds), Duration(static_cast<double>(r.count))});
        case ReasonKind::ScriptCommands: return ScriptCommandsText(r, tr);
        case ReasonKind::CorruptedParts:
            return r.count == 1 ? T(tr,
                                    QT_TRANSLATE_NOOP("Verdicts", "%1 part arrived corrupted: someone is feeding this "
                                                                  "download bad data"),
                                    {count})
                                : T(tr,
                                    QT_TRANSLATE_NOOP("Verdicts", "%1 parts arrived corrupted: someone is feeding this "
                                                                  "download bad data"),
                                    {count});
        case ReasonKind::CorruptedBytes:
            return T(tr,
                     QT_TRANSLATE_NOOP("Verdicts",
                                       "%1 were lost to corruption: someone is feeding this download bad data"),
                     {Bytes(tr, r.count)});
        case ReasonKind::NeverComplete:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "no source has had the whole file in %1 of downloading"),
                     {Duration(static_cast<double>(r.count))});
        case ReasonKind::ZeroPart:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "a part of the published file is all zeros (its part hashes "
                                                       "hold the hash of an empty part)"));
        case ReasonKind::ClientRatings: return ClientRatingsText(r, tr);
        case ReasonKind::SourceNamesBait:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 of %2 sources share it as '%3'"),
                     {count, std::to_string(r.total), r.detail});
        case ReasonKind::SourceNamesOtherTitle:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 of %2 sources share it under another title: '%3'"),
                     {count, std::to_string(r.total), r.detail});
        case ReasonKind::TooShortForPicture:
            return T(tr,
                     QT_TRANSLATE_NOOP("Verdicts", "the %1 says it plays %2 of %3 lossy video, too short for %4 (%5 "
                                                   "bits a pixel, the most such video spends is %6)"),
                     {Type(tr, r.data), Duration(r.seconds), r.detail, Bytes(tr, r.total), Hundredths(r.count),
                      Hundredths(r.limit)});
        case ReasonKind::HeaderOnJunk:
            return T(tr,
                     QT_TRANSLATE_NOOP("Verdicts", "claims %1, the data is junk behind a real %2 (the container's "
                                                   "structure breaks off at byte %3)"),
                     {Type(tr, r.claim), Type(tr, r.data), Grouped(r.count)});
    }
    return {};
}

Suspicion MakeSuspicion(Strength strength, Reason why, Severity severity) {
    std::string text = ReasonText(why);
    return Suspicion{strength, std::move(text), severity, std::move(why)};
}

}  // namespace kv::inspect
