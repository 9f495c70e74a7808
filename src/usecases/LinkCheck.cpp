#include "usecases/LinkCheck.h"

#include <algorithm>

#include "common/FileUtil.h"

#include "inspect/NameRules.h"
#include "inspect/ZeroParts.h"
#include "ed2k/Collection.h"
#include "ed2k/LinkFinder.h"

namespace kv {

namespace {

bool LooksLikeBinaryCollection(std::string_view bytes) {
    if (bytes.size() < 4) return false;
    const uint32_t version = static_cast<uint8_t>(bytes[0]) | static_cast<uint32_t>(static_cast<uint8_t>(bytes[1])) << 8 |
                             static_cast<uint32_t>(static_cast<uint8_t>(bytes[2])) << 16 |
                             static_cast<uint32_t>(static_cast<uint8_t>(bytes[3])) << 24;
    return version == 1 || version == 2;
}

void Judge(LinkFinding& f, const FakeCatalogue& fakes, LinkReport& report) {
    if (!f.link) {
        f.verdict = LinkVerdict::Malformed;
        ++report.malformed;
        return;
    }
    f.suspectWhy = SuspectLinkReasons(*f.link);
    if (!f.suspectWhy.empty()) f.suspect = SuspectLinkText(f.suspectWhy);
    auto match = fakes.find(f.link->hash);
    if (match && match->kind == MatchKind::Allowed) {
        f.suspect.clear();  // the user's judgement wins over the rules
        f.suspectWhy.clear();
        f.description = std::move(match->description);
        f.listName = std::move(match->listName);
        f.allowed = true;
    } else if (match && match->kind == MatchKind::Fake) {
        f.verdict = LinkVerdict::Fake;
        f.description = std::move(match->description);
        f.listName = std::move(match->listName);
        ++report.fakes;
    } else if (match && f.suspect.empty()) {
        f.suspect = SignalReason(match->description);
        f.verdict = LinkVerdict::Suspect;
        ++report.suspects;
    } else if (!f.suspect.empty()) {
        f.verdict = LinkVerdict::Suspect;
        ++report.suspects;
    }
}

}  // namespace

std::vector<inspect::Reason> SuspectLinkReasons(const Ed2kLink& link) {
    std::vector<inspect::Reason> why;
    if (auto name = inspect::NameReason(link.name)) why.push_back(std::move(*name));
    if (auto mostly = inspect::ZeroPartsReason(link.partHashes, link.size))
        why.push_back(std::move(*mostly));
    else if (inspect::HoldsZeroPart(link.partHashes))
        why.push_back(inspect::Reason{.kind = inspect::ReasonKind::ZeroPart});
    return why;
}

std::string SuspectLinkText(const std::vector<inspect::Reason>& why, const Translator& tr) {
    std::string text;
    for (const inspect::Reason& r : why) {
        if (!text.empty()) text += "; ";
        text += inspect::ReasonText(r, tr);
    }
    return text;
}

std::optional<std::string> SuspectLink(const Ed2kLink& link) {
    const auto why = SuspectLinkReasons(link);
    if (why.empty()) return std::nullopt;
    return SuspectLinkText(why);
}

LinkReport CheckLinks(std::string_view input, const FakeCatalogue& fakes) {
    LinkReport report;
    report.listRecords = fakes.records();
    if (input.size() > kMaxLinkCheckInput) {
        report.refused = "The input is too large to check for links: " + std::to_string(input.size()) +
                         " bytes, at most " + std::to_string(kMaxLinkCheckInput >> 20) + " MiB are read.";
        return report;
    }

    if (LooksLikeBinaryCollection(input)) {
        report.source = LinkReport::Source::BinaryCollection;
        std::string error;
        std::optional<Collection> c = ReadCollection(input, &error);
        if (!c) {
            report.refused = error;
            return report;
        }
        report.collectionName = c->name;
        report.findings.reserve(c->files.size() + c->errors.size());
        for (size_t i = 0; i < c->files.size(); ++i) {
            LinkFinding f;
            f.line = i + 1;
            f.link = std::move(c->files[i]);
            Judge(f, fakes, report);
            report.findings.push_back(std::move(f));
        }
        // The reader names the entry in its text; the entries after a broken one are lost.
        for (std::string& e : c->errors) {
            LinkFinding f;
            f.error = std::move(e);
            Judge(f, fakes, report);
            report.findings.push_back(std::move(f));
        }
        return report;
    }

    class Read final : public LinkSink {
    public:
        explicit Read(std::vector<LinkFinding>& findings) : findings_(findings) {}
        void Found(size_t line, std::string_view raw, std::optional<Ed2kLink>&& link, std::string&& error) override {
            LinkFinding& f = findings_.emplace_back();
            f.line = line;
            if (!link) f.raw = raw;  // a link that was read is shown from what was read
            f.link = std::move(link);
            f.error = std::move(error);
        }

    private:
        std::vector<LinkFinding>& findings_;
    } read(report.findings);
    // Every link holds a colon: room for that many findings at most (and for
    // no more than a link every 7 bytes) spares moving them as the list grows.
    const auto colons = static_cast<size_t>(std::count(input.begin(), input.end(), ':'));
    report.findings.reserve(std::min(colons, input.size() / 7 + 1));
    AskForHugePages(report.findings.data(), report.findings.capacity() * sizeof(LinkFinding));
    FindLinks(input, read);
    // The lookups' memory is asked for some links ahead (see FakeList::Prefetch).
    constexpr size_t kAhead = 8;
    std::vector<LinkFinding>& all = report.findings;
    for (size_t i = 0; i < all.size(); ++i) {
        if (i + 2 * kAhead < all.size() && all[i + 2 * kAhead].link) fakes.Prefetch(all[i + 2 * kAhead].link->hash, 0);
        if (i + kAhead < all.size() && all[i + kAhead].link) fakes.Prefetch(all[i + kAhead].link->hash, 1);
        Judge(all[i], fakes, report);
    }
    return report;
}

namespace {
LinkCheckFailure LinkFailure(LinkCheckError kind, const std::string& path, int64_t length = 0,
                             const std::string& refusal = "") {
    LinkCheckFailure f;
    f.kind = kind;
    f.path = path;
    f.length = length;
    f.refusal = refusal;
    return f;
}
}  // namespace

std::expected<LinkReport, LinkCheckFailure> CheckLinksIn(ListStore& lists, std::string_view textOrCollection,
                                                         const std::string& fakeList) {
    if (auto loaded = lists.Load(fakeList); !loaded)
        return std::unexpected(LinkFailure(LinkCheckError::GivenListUnreadable, loaded.error().path));
    LinkReport report = CheckLinks(textOrCollection, lists.catalogue());
    if (report.Refused()) return std::unexpected(LinkFailure(LinkCheckError::Refused, "", 0, report.refused));
    return report;
}

std::expected<LinkReport, LinkCheckFailure> CheckLinksInFile(ListStore& lists, const std::string& path,
                                                             const std::string& fakeList) {
    const int64_t length = FileLength(path);
    if (length > static_cast<int64_t>(kMaxLinkCheckInput))
        return std::unexpected(LinkFailure(LinkCheckError::FileTooLarge, path, length));
    const std::optional<std::string> bytes = length < 0 ? std::nullopt : ReadWholeFile(path, kMaxLinkCheckInput);
    if (!bytes) return std::unexpected(LinkFailure(LinkCheckError::FileUnreadable, path));
    return CheckLinksIn(lists, *bytes, fakeList);
}

}  // namespace kv
