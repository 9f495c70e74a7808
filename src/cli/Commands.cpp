#include "cli/Commands.h"

#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/CliView.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "core/LinkText.h"
#include "core/ListCheck.h"
#include "core/OwnList.h"
#include "core/PartMetReader.h"
#include "core/TempDir.h"
#include "core/Session.h"
#include "settings/Paths.h"
#include "shell/LinkRows.h"
#include "shell/MainPresenter.h"
#include "shell/Messages.h"

namespace kv::cli {

namespace {

// Ends a command whose operation could not run: its reason on one line.
int Fail(std::ostream& err, const std::string& failure, const std::string& fallback) {
    std::string message = VisibleControls(FlattenToOneLine(ToDisplayUtf8(failure)));
    if (message.empty()) message = fallback;
    err << message << '\n';
    return kExitError;
}

void PrintStatus(const CliView& view, std::ostream& err) {
    const std::string status = view.LastStatus();
    if (!status.empty()) err << VisibleControls(ToDisplayUtf8(status)) << '\n';
}

void PrintCheckResult(const CliView& view, const CheckReport& report, CheckFormat format, std::ostream& out) {
    switch (format) {
        case CheckFormat::Rows:
            for (const auto& row : view.Rows()) out << ToDisplayUtf8Fields(row) << '\n';
            break;
        case CheckFormat::Links:
        case CheckFormat::Html:
            for (const auto& f : report.listed)
                out << ToDisplayUtf8(format == CheckFormat::Links ? LinkFor(f.download) : LinkHtmlFor(f.download))
                    << '\n';
            break;
        case CheckFormat::Json: {
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const auto& f : report.listed) {
                const Download& d = f.download;
                list.push_back({{"part", ToDisplayUtf8(f.part)},
                                {"name", ToDisplayUtf8(d.name)},
                                {"size", static_cast<int64_t>(d.size)},
                                {"hash", d.hash ? d.hash->ToHex() : std::string()},
                                {"fake", f.fake},
                                {"description", ToDisplayUtf8(f.description)},
                                {"link", ToDisplayUtf8(LinkFor(d))},
                                {"suspect", f.suspect() ? nlohmann::ordered_json(ToDisplayUtf8(f.suspicion->reason))
                                                        : nlohmann::ordered_json(nullptr)}});
            }
            out << list.dump(2) << '\n';
            break;
        }
    }
    out << std::flush;
}

bool Update(Session& session, std::ostream& err) {
    CliView view(err, /*live=*/true);
    return MainPresenter(session, view).UpdateFakeList();
}

}  // namespace

int RunCheck(const std::string& home, const CheckArgs& args, std::ostream& out, std::ostream& err) {
    Session session = Session::At(home);
    bool updateFailed = false;
    if (args.update) {
        updateFailed = !Update(session, err);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) err << "Update failed; checking with the local fake list.\n";
    }

    CliView view(err, /*live=*/false);
    CheckOverrides overrides;
    overrides.tempDir = args.tempDir;
    overrides.fakeList = args.fakesFile;
    overrides.listAll = args.showAll;
    overrides.inspect = args.inspect;
    const Outcome<CheckReport> outcome = MainPresenter(session, view).CheckDownloads(overrides);
    if (!outcome) return Fail(err, outcome.failure, "The check could not run.");

    view.PrintBoxes();
    WarnAboutLoadedLists(session, args.fakesFile.empty() ? session.FakeListPath() : args.fakesFile, err);
    PrintCheckResult(view, *outcome.value, args.format, out);
    PrintStatus(view, err);
    if (updateFailed) return kExitError;
    return outcome.value->found + outcome.value->suspects > 0 ? kExitFound : kExitOk;
}

int RunUpdate(const std::string& home, std::ostream& err) {
    Session session = Session::At(home);
    return Update(session, err) ? kExitOk : kExitError;
}

int RunImport(const std::string& home, const std::string& file, std::ostream& err) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(fs::path(file), ec).lexically_normal();
    const std::string path = ec ? file : absolute.string();
    if (ClientFileOf(path) == ClientFile::None) {
        err << "Cannot import " << ToDisplayUtf8(path)
            << ": the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).\n";
        return kExitError;
    }
    // A mistyped path is reported before anything is written to the settings.
    if (!FileExists(path)) {
        err << "Cannot import " << ToDisplayUtf8(path) << ": no such file.\n";
        return kExitError;
    }

    Session session = Session::At(home);
    CliView view(err, /*live=*/false);
    const Outcome<ImportResult> outcome = MainPresenter(session, view).ImportClientFile(path);
    if (!outcome) {
        // Without a failure text the client's file was fine and the settings
        // could not be written (a missing or read-only program directory).
        if (!outcome.failure.empty()) return Fail(err, outcome.failure, "The import stored no temp directory.");
        err << "Could not write " << ToDisplayUtf8(session.settings.Path()) << ".\n";
        return kExitError;
    }
    view.PrintBoxes();
    PrintStatus(view, err);
    return kExitOk;
}

int RunSearch(const std::string& home, const SearchArgs& args, std::ostream& out, std::ostream& err) {
    Session session = Session::At(home);
    CliView view(err, /*live=*/false);
    const Outcome<std::vector<SearchHit>> outcome = MainPresenter(session, view).SearchTempFiles(args.text, args.tempDir);
    if (!outcome) return Fail(err, outcome.failure, "The search could not run.");

    view.PrintBoxes();
    const auto& hits = *outcome.value;
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& hit : hits)
            list.push_back({{"part", ToDisplayUtf8(hit.part)}, {"name", ToDisplayUtf8(hit.name)}});
        out << list.dump(2) << '\n';
    } else {
        for (const auto& hit : hits)
            out << ToDisplayUtf8(VisibleControls(hit.part)) << '\t' << ToDisplayUtf8(VisibleControls(hit.name)) << '\n';
    }
    out << std::flush;
    PrintStatus(view, err);
    return hits.empty() ? kExitFound : kExitOk;
}

void WarnAboutLoadedLists(const Session& session, const std::string& listPath, std::ostream& err) {
    const int64_t length = FileLength(listPath);
    // The first bytes tell a UTF-16 file; its records cannot be read as lines of bytes.
    const std::string head = length > 0 ? ReadWholeFile(listPath, 1u << 20).value_or("").substr(0, 4096) : "";
    const ListShape shape = length == 0 ? ListShape::Empty : JudgeList(head).shape;
    if (shape == ListShape::Empty || shape == ListShape::Utf16)
        err << "Warning: " << ToDisplayUtf8(listPath) << " " << ShapeText(shape)
            << "; no download can be found as a fake with it.\n";
    else if (session.fakes.records() == 0)
        err << "Warning: the loaded fake lists hold no record; no download can be found as a fake.\n";
}

namespace {

struct MarkTarget {
    Ed2kHash hash;
    std::optional<uint64_t> size;
    std::string name;  // for messages: the download's name or the hash
};

// PART names a .met file of the temp directory; anything of 32 hex digits is a hash.
std::optional<MarkTarget> ResolveMarkTarget(const Session& session, const MarkArgs& args, std::ostream& err) {
    if (const auto hash = Ed2kHash::FromHex(args.target)) return MarkTarget{*hash, args.size, args.target};
    if (args.target.find('/') != std::string::npos || args.target.empty()) {
        err << "Cannot mark " << ToDisplayUtf8(args.target)
            << ": give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.\n";
        return std::nullopt;
    }
    const std::string dir = args.tempDir.empty() ? ConfiguredTempDir(session.settings) : args.tempDir;
    if (dir.empty()) {
        err << "No temp directory is set; use --temp-dir or import the client's preferences first.\n";
        return std::nullopt;
    }
    for (const std::string& name : {args.target, args.target + ".met"}) {
        const std::string path = JoinPath(dir, name);
        if (!FileExists(path) || name.size() < 4 || name.compare(name.size() - 4, 4, ".met") != 0) continue;
        const std::optional<Download> d = ReadPartMet(path);
        if (!d || !d->hash) {
            err << "Cannot mark " << ToDisplayUtf8(path) << ": the file holds no ed2k hash.\n";
            return std::nullopt;
        }
        return MarkTarget{*d->hash, args.size ? args.size : std::optional<uint64_t>(d->size), d->name};
    }
    err << "Cannot mark " << ToDisplayUtf8(args.target) << ": no such .part.met in " << ToDisplayUtf8(dir) << ".\n";
    return std::nullopt;
}

}  // namespace

// ---- links ------------------------------------------------------------------------

namespace {

// Standard input, up to one byte over the limit so that the check can refuse it.
std::optional<std::string> ReadInput(std::istream& in) {
    std::string bytes;
    char buffer[1 << 16];
    while (bytes.size() <= kMaxLinkCheckInput && in.read(buffer, sizeof buffer).gcount() > 0)
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

nlohmann::ordered_json NullOr(const std::string& text) {
    return text.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(ToDisplayUtf8(text));
}

nlohmann::ordered_json LinkJson(const LinkFinding& f) {
    using json = nlohmann::ordered_json;
    const bool read = f.link.has_value();
    return {{"line", f.line},
            {"name", read ? json(ToDisplayUtf8(f.link->name)) : json(nullptr)},
            {"size", read ? json(f.link->size) : json(nullptr)},
            {"hash", read ? json(f.link->hash.ToHex()) : json(nullptr)},
            {"fake", f.fake()},
            {"description", ToDisplayUtf8(f.description)},
            {"list", NullOr(f.listName)},
            {"suspect", NullOr(f.suspect)},
            {"link", read ? json(ToDisplayUtf8(f.link->Text())) : NullOr(f.raw)},
            {"error", NullOr(f.error)}};
}

}  // namespace

int RunMark(const std::string& home, const MarkArgs& args, std::ostream& err) {
    Session session = Session::At(home);
    const auto target = ResolveMarkTarget(session, args, err);
    if (!target) return kExitError;
    const ListEdit edit = MarkFake(JoinPath(home, kOwnListFileName), target->hash, target->size, args.reason);
    if (!edit.ok) return Fail(err, edit.failure, "The own list could not be written.");
    err << ToDisplayUtf8(msg::Marked(target->name)) << '\n';
    return kExitOk;
}

int RunUnmark(const std::string& home, const MarkArgs& args, std::ostream& err) {
    Session session = Session::At(home);
    const auto target = ResolveMarkTarget(session, args, err);
    if (!target) return kExitError;
    const ListEdit edit = UnmarkFake(JoinPath(home, kOwnListFileName), target->hash);
    if (!edit.ok) return Fail(err, edit.failure, "The own list could not be written.");
    if (edit.changed == 0) {
        err << ToDisplayUtf8(msg::NotInOwnList(target->name)) << '\n';
        return kExitFound;
    }
    err << ToDisplayUtf8(msg::Unmarked(target->name)) << '\n';
    return kExitOk;
}

int RunExport(const std::string& home, const ExportArgs& args, std::ostream& out, std::ostream& err) {
    Session session = Session::At(home);
    std::string lines;
    if (args.own) {
        lines = OwnListLines(JoinPath(home, kOwnListFileName));
    } else {
        CliView view(err, /*live=*/false);
        CheckOverrides overrides;
        overrides.tempDir = args.tempDir;
        overrides.listAll = false;
        const Outcome<CheckReport> outcome = MainPresenter(session, view).CheckDownloads(overrides);
        if (!outcome) return Fail(err, outcome.failure, "The check could not run.");
        for (const Finding& f : outcome.value->listed)
            if (f.fake) lines += FindingListLine(f);
    }
    if (lines.empty()) {
        err << (args.own ? msg::kOwnListEmpty : "The check found no fake to export.") << '\n';
        return kExitFound;
    }
    const int64_t count = std::count(lines.begin(), lines.end(), '\n');
    if (args.file.empty() || args.file == "-") {
        out << lines << std::flush;
    } else if (!WriteFileAtomic(args.file, lines)) {
        err << "Could not write file " << ToDisplayUtf8(args.file) << ".\n";
        return kExitError;
    } else {
        err << count << " list line(s) written to " << ToDisplayUtf8(args.file) << ".\n";
    }
    return kExitOk;
}

int RunLinks(const std::string& home, const LinksArgs& args, std::istream& in, std::ostream& out, std::ostream& err) {
    Session session = Session::At(home);
    CliView view(err, /*live=*/false);
    MainPresenter presenter(session, view);
    Outcome<LinkReport> outcome;
    if (args.file.empty() || args.file == "-") {
        const std::optional<std::string> input = ReadInput(in);
        if (!input) return Fail(err, "Could not read the standard input.", "");
        outcome = presenter.CheckLinks(*input, args.fakesFile);
    } else {
        outcome = presenter.CheckLinksFile(args.file, args.fakesFile);
    }
    if (!outcome) return Fail(err, outcome.failure, "The link check could not run.");
    const LinkReport& report = *outcome.value;
    view.PrintBoxes();
    if (report.listRecords == 0) err << msg::kNoListForLinks << '\n';

    const auto listed = [&](const LinkFinding& f) {
        return f.verdict == LinkVerdict::Fake || f.verdict == LinkVerdict::Suspect ||
               (args.showAll && f.verdict == LinkVerdict::Ok);
    };
    if (args.format == LinksFormat::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const LinkFinding& f : report.findings)
            if (listed(f) || f.verdict == LinkVerdict::Malformed) list.push_back(LinkJson(f));
        out << list.dump(2) << '\n';
    } else {
        if (args.format == LinksFormat::Rows) out << msg::kLinkCheckHead << "\n \n";
        for (const LinkFinding& f : report.findings) {
            if (!listed(f)) continue;
            out << ToDisplayUtf8(args.format == LinksFormat::Links ? f.link->Text() : LinkRow(f)) << '\n';
        }
    }
    out << std::flush;
    for (const LinkFinding& f : report.findings) {
        if (f.verdict != LinkVerdict::Malformed) continue;
        if (f.line > 0) err << "Line " << f.line << ": ";
        err << FlattenToOneLine(ToDisplayUtf8(f.error)) << '\n';
    }
    err << LinkCheckSummary(report) << '\n';
    return report.fakes + report.suspects > 0 ? kExitFound : kExitOk;
}

}  // namespace kv::cli
