#include "usecases/LinkCheck.h"

#include <algorithm>
#include <array>

#include "common/FileUtil.h"
#include "platform/MappedFile.h"

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
        f.verdict.kind = VerdictKind::NotChecked;
        ++report.malformed;
        return;
    }
    f.verdict = Judged(SuspectLinkReasons(*f.link), fakes.find(f.link->hash));
    if (f.verdict.fake()) ++report.fakes;
    if (f.verdict.suspect()) ++report.suspects;
}

// Each link is judged some links after it was read, so that the memory
// its lookup needs has been asked for in between (see FakeList::Prefetch);
// only the links in that window are held besides those kept.
template <class Settle>
class JudgedAhead final : public LinkSink {
public:
    JudgedAhead(const FakeCatalogue& fakes, const Settle& settle) : fakes_(fakes), settle_(settle) {}
    void Found(size_t line, std::string_view raw, std::optional<Ed2kLink>&& link, std::string&& error) override {
        if (read_ >= kWindow) settle_(*window_[read_ % kWindow]);
        LinkFinding& f = window_[read_ % kWindow].emplace();
        f.line = line;
        if (!link) f.raw = raw;  // a link that was read is shown from what was read
        f.link = std::move(link);
        f.error = std::move(error);
        if (f.link) fakes_.Prefetch(f.link->hash, 0);
        if (read_ >= kAhead)
            if (const LinkFinding& earlier = *window_[(read_ - kAhead) % kWindow]; earlier.link)
                fakes_.Prefetch(earlier.link->hash, 1);
        ++read_;
    }
    void Finish() {
        for (size_t i = read_ > kWindow ? read_ - kWindow : 0; i < read_; ++i) settle_(*window_[i % kWindow]);
    }

private:
    static constexpr size_t kAhead = 8, kWindow = 2 * kAhead;
    const FakeCatalogue& fakes_;
    const Settle& settle_;
    std::array<std::optional<LinkFinding>, kWindow> window_;
    size_t read_ = 0;
};

}  // namespace

std::vector<inspect::Suspicion> SuspectLinkReasons(const Ed2kLink& link) {
    std::vector<inspect::Suspicion> why;
    if (auto name = inspect::NameReason(link.name))
        why.push_back(inspect::MakeSuspicion(inspect::Strength::ProgramName, std::move(*name)));
    if (auto mostly = inspect::ZeroPartsReason(link.partHashes, link.size))
        why.push_back(inspect::MakeSuspicion(inspect::Strength::MostlyZeros, std::move(*mostly)));
    else if (inspect::HoldsZeroPart(link.partHashes))
        why.push_back(inspect::MakeSuspicion(inspect::Strength::MostlyZeros, {.kind = inspect::ReasonKind::ZeroPart}));
    return why;
}

LinkReport CheckLinks(std::string_view input, const FakeCatalogue& fakes, LinkProgress* progress) {
    LinkReport report;
    report.listRecords = fakes.records();
    if (input.size() > kMaxLinkCheckInput) {
        report.refused = "The input is too large to check for links: " + std::to_string(input.size()) +
                         " bytes, at most " + std::to_string(kMaxLinkCheckInput >> 20) + " MiB are read.";
        return report;
    }
    const auto settle = [&](LinkFinding& f) {
        Judge(f, fakes, report);
        ++report.checked;
        if (progress) progress->Take(std::move(f));
        else report.findings.push_back(std::move(f));
    };

    if (LooksLikeBinaryCollection(input)) {
        report.source = LinkReport::Source::BinaryCollection;
        auto c = ReadCollection(input);
        if (!c) {
            report.refused = c.error();
            return report;
        }
        report.collectionName = c->name;
        if (progress) progress->Started(report);
        else report.findings.reserve(c->files.size() + c->errors.size());
        for (size_t i = 0; i < c->files.size(); ++i) {
            LinkFinding f;
            f.line = i + 1;
            f.link = std::move(c->files[i]);
            settle(f);
        }
        // The reader names the entry in its text; the entries after a broken one are lost.
        for (std::string& e : c->errors) {
            LinkFinding f;
            f.error = std::move(e);
            settle(f);
        }
        return report;
    }

    JudgedAhead read(fakes, settle);
    if (progress) {
        progress->Started(report);
    } else {
        // Every link holds a colon: room for that many findings at most (and for
        // no more than a link every 7 bytes) spares moving them as the list grows.
        const auto colons = static_cast<size_t>(std::count(input.begin(), input.end(), ':'));
        report.findings.reserve(std::min(colons, input.size() / 7 + 1));
        AskForHugePages(report.findings.data(), report.findings.capacity() * sizeof(LinkFinding));
    }
    FindLinks(input, read);
    read.Finish();
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
                                                         const std::string& fakeList, LinkProgress* progress) {
    if (auto loaded = lists.Load(fakeList); !loaded) {
        LinkCheckFailure failure = LinkFailure(LinkCheckError::GivenListUnreadable, loaded.error().path);
        failure.cause = loaded.error().cause;
        return std::unexpected(std::move(failure));
    }
    LinkReport report = CheckLinks(textOrCollection, lists.catalogue(), progress);
    if (report.Refused()) return std::unexpected(LinkFailure(LinkCheckError::Refused, "", 0, report.refused));
    return report;
}

std::expected<LinkReport, LinkCheckFailure> CheckLinksInFile(ListStore& lists, const std::string& path,
                                                             const std::string& fakeList, LinkProgress* progress) {
    const int64_t length = FileLength(path);
    if (length > static_cast<int64_t>(kMaxLinkCheckInput))
        return std::unexpected(LinkFailure(LinkCheckError::FileTooLarge, path, length));
    const std::optional<FileBytes> bytes = length < 0 ? std::nullopt : FileBytes::Open(path, kMaxLinkCheckInput);
    if (!bytes) return std::unexpected(LinkFailure(LinkCheckError::FileUnreadable, path));
    return CheckLinksIn(lists, bytes->view(), fakeList, progress);
}

}  // namespace kv
