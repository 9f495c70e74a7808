// The names other clients share a download under: a film that its sources
// call setup.exe, password.rar or another title is not the film.
#include "inspect/SourceNames.h"

#include <algorithm>
#include <array>
#include <set>

#include "common/StringUtil.h"
#include "inspect/Detector.h"
#include "inspect/Extension.h"
#include "inspect/NameRules.h"

namespace kv::inspect {

namespace {

// Words of a name that say how a release was made, not what it is: they
// differ between honest copies of one film and are no title.
constexpr std::array kReleaseWords = {
    "1080p", "1080i", "2160p", "720p", "576p", "480p", "4k", "uhd", "hd", "sd", "x264", "x265", "h264", "h265",
    "hevc", "avc", "xvid", "divx", "dvdrip", "bdrip", "brrip", "bluray", "blu", "ray", "webrip", "web", "dl",
    "webdl", "hdtv", "pdtv", "dvdscr", "screener", "cam", "ts", "tc", "r5", "dvd", "dvd5", "dvd9", "remux",
    "aac", "ac3", "dts", "mp3", "flac", "dd5", "ddp", "atmos", "proper", "repack",
    "internal", "limited", "extended", "unrated", "uncut", "remastered", "dc", "directors", "cut", "edition",
    "complete", "rip", "ld", "md", "hq", "lq", "sub", "subs", "subbed", "dubbed", "dub", "dual", "multi",
    "audio", "ita", "italian", "eng", "english", "ger", "german", "deutsch", "fr", "fre", "french", "truefrench",
    "vf", "vff", "vo", "vost", "vostfr", "es", "esp", "spa", "spanish", "castellano", "latino", "cat", "catalan",
    "nl", "dutch", "pl", "polish", "ru", "rus", "russian", "jap", "japanese", "kor", "korean", "chi", "chinese",
    "por", "portuguese", "swe", "swedish", "nor", "dan", "fin", "ac3d", "mic", "line", "the", "a", "an",
    "and", "of", "el", "la", "le", "les", "der", "die", "das", "il", "lo", "de", "del", "du", "www", "com", "by",
    "cd1", "cd2", "part1", "part2", "mkv", "avi", "mp4", "ogm", "divx5", "film", "movie", "full", "version"};

// Names a fake's source hands out to get a program run or money paid.
constexpr std::array kBaitWords = {"setup", "install", "installer", "password", "codec", "keygen", "crack",
                                   "player", "unlock", "activate", "license", "licence", "readme"};

bool IsReleaseWord(std::string_view word) {
    if (word.size() == 4 && std::ranges::all_of(word, [](char c) { return c >= '0' && c <= '9'; }) &&
        (word.starts_with("19") || word.starts_with("20")))
        return true;  // a year
    return std::ranges::find(kReleaseWords, word) != kReleaseWords.end();
}

// The lower-case words of a name without its extension, split at anything that is not a letter or digit.
std::vector<std::string> WordsOf(std::string_view name) {
    const std::string_view ext = LastExtension(name);
    if (!ext.empty() && ClaimOfExtension(ext)) name.remove_suffix(ext.size() + 1);
    std::vector<std::string> words;
    std::string word;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || u >= 0x80) {
            word += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// The words that make the title: release tags, languages and years left out.
std::set<std::string> TitleOf(std::string_view name) {
    std::set<std::string> title;
    for (std::string& w : WordsOf(name))
        if (w.size() >= 2 && !IsReleaseWord(w)) title.insert(std::move(w));
    return title;
}

// Titles are only compared in plain letters: a title in another script is a
// translation this rule cannot read, not another film.
bool Comparable(const std::set<std::string>& title) {
    return !title.empty() && std::ranges::all_of(title, [](const std::string& w) {
        return std::ranges::none_of(w, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    });
}

bool SharesWord(const std::set<std::string>& a, const std::set<std::string>& b) {
    return std::ranges::any_of(a, [&](const std::string& w) { return b.contains(w); });
}

Category CategoryOfName(std::string_view name) {
    const auto claim = ClaimOfName(name);
    return claim ? claim->category : Category::Unknown;
}

bool IsMedia(Category c) {
    return c == Category::Video || c == Category::Audio || c == Category::Image || c == Category::DiscImage;
}

// A name no honest copy of a media file goes by: a program, an archive or a
// bait word ("codec", "password") beside either.
bool IsBait(std::string_view name) {
    const Category c = CategoryOfName(name);
    if (c == Category::Executable || IsProgramExtension(LastExtension(name)) || NameReason(name)) return true;
    if (c != Category::Archive && c != Category::Document) return false;
    if (c == Category::Archive) return true;
    const auto words = WordsOf(name);
    return std::ranges::any_of(words, [](const std::string& w) {
        return std::ranges::find(kBaitWords, w) != kBaitWords.end();
    });
}

// The names a reason shows: the most shared first, at most three.
std::string Shown(std::vector<SourceName> names) {
    std::ranges::stable_sort(names, [](const SourceName& a, const SourceName& b) { return a.count > b.count; });
    std::string shown;
    for (size_t i = 0; i < names.size() && i < 3; ++i) {
        if (i > 0) shown += "', '";
        shown += names[i].name;
    }
    return shown;
}

}  // namespace

std::optional<Suspicion> JudgeSourceNames(std::string_view name, const std::vector<SourceName>& sources) {
    // Only media is judged: an archive or a program may go by many names.
    if (!IsMedia(CategoryOfName(name))) return std::nullopt;
    const std::set<std::string> title = TitleOf(name);
    uint32_t total = 0, baitCount = 0, sameCount = 0, otherCount = 0;
    std::vector<SourceName> bait, other;
    for (const SourceName& s : sources) {
        if (s.count == 0) continue;
        total += s.count;
        if (IsBait(s.name)) {
            baitCount += s.count;
            bait.push_back(s);
            continue;
        }
        const std::set<std::string> theirs = TitleOf(s.name);
        if (!Comparable(theirs) || !Comparable(title)) continue;  // cannot tell: neither same nor other
        if (SharesWord(title, theirs)) {
            sameCount += s.count;
        } else {
            otherCount += s.count;
            other.push_back(s);
        }
    }
    if (baitCount > 0) {
        // One source may have renamed its copy oddly; two, or a quarter of them, do not by chance.
        const bool strong = baitCount >= 2 || baitCount * 4 >= total;
        return MakeSuspicion(Strength::SourceNames,
                             Reason{.kind = ReasonKind::SourceNamesBait, .detail = Shown(bait), .count = baitCount,
                                    .total = total},
                             strong ? Severity::Suspect : Severity::Note);
    }
    // Another title counts only where no source shares the download's own:
    // translated titles live beside the original.
    if (otherCount > 0 && sameCount == 0) {
        return MakeSuspicion(Strength::SourceNames,
                             Reason{.kind = ReasonKind::SourceNamesOtherTitle, .detail = Shown(other),
                                    .count = otherCount, .total = total},
                             otherCount >= 2 ? Severity::Suspect : Severity::Note);
    }
    return std::nullopt;
}

namespace {

class SourceNamesDetector final : public Detector {
public:
    std::string_view id() const override { return "source-names"; }
    Reads reads() const override { return Reads::ClientTags; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        return JudgeSourceNames(e.name(), e.download().sourceNames);
    }
};

}  // namespace

std::unique_ptr<Detector> MakeSourceNamesDetector() { return std::make_unique<SourceNamesDetector>(); }

}  // namespace kv::inspect
