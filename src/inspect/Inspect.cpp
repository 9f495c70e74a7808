#include "inspect/Inspect.h"

#include "inspect/Extension.h"

namespace kv::inspect {

namespace {

bool IsTrueArchive(Format f) {
    return f == Format::Zip || f == Format::Rar4 || f == Format::Rar5 || f == Format::SevenZip || f == Format::Cab;
}

bool IsMediaLike(Category c) {
    return c == Category::Video || c == Category::Audio || c == Category::Image || c == Category::DiscImage;
}

Suspicion Make(Strength s, const NameClaim& claim, std::string_view data, std::string_view detail = {}) {
    std::string reason = "claims ";
    reason += claim.text;
    reason += ", the data is ";
    reason += data;
    reason += detail;
    return {s, std::move(reason)};
}

}  // namespace

std::optional<Suspicion> JudgeContent(std::string_view name, std::string_view head) {
    const auto claim = ClaimOfName(name);
    if (!claim || claim->category == Category::Unknown || claim->category == Category::Executable)
        return std::nullopt;
    const ContentType t = Sniff(head);
    if (t.format == Format::Unknown) return std::nullopt;
    const Category found = CategoryOf(t.format);

    if (t.format == Format::Asf && t.drm) {
        std::string detail = " locked by DRM";
        if (!t.licenceUrl.empty()) detail += " (licence: " + t.licenceUrl + ")";
        return Make(Strength::DrmMedia, *claim, Describe(t.format), detail);
    }
    if (claim->accepted & Bit(t.format)) return std::nullopt;

    if (IsTrueArchive(t.format) && IsMediaLike(claim->category)) {
        const bool tellsEncryption = t.format != Format::SevenZip && t.format != Format::Cab;
        if (t.encrypted && tellsEncryption) {
            std::string data = "a password-protected ";
            data += Describe(t.format).substr(2);  // "a ZIP archive" -> "ZIP archive"
            return Make(Strength::ArchiveAsMedia, *claim, data);
        }
        return Make(Strength::ArchiveAsMedia, *claim, Describe(t.format));
    }
    if (found == Category::Executable) {
        if (t.format == Format::Pe && claim->category == Category::Archive)
            return Make(Strength::SelfExtractor, *claim, Describe(t.format), " (perhaps a self-extracting archive)");
        return Make(Strength::ProgramContent, *claim, Describe(t.format));
    }
    if (IsMediaLike(claim->category)) {
        // A claim without a known signature (.bmp, .ac3) is held to its category.
        if (claim->accepted == 0 && found == claim->category) return std::nullopt;
        return Make(Strength::TypeMismatch, *claim, Describe(t.format));
    }
    return std::nullopt;
}

std::optional<std::string> InspectContent(std::string_view name, std::string_view head) {
    auto s = JudgeContent(name, head);
    if (!s) return std::nullopt;
    return std::move(s->reason);
}

std::optional<Suspicion> JudgeDownload(const Download& d, const std::string& partPath,
                                       const InspectOptions& options) {
    std::optional<Suspicion> best;
    const auto consider = [&best](std::optional<Suspicion> s) {
        if (s && (!best || s->strength > best->strength)) best = std::move(s);
    };
    if (options.content && d.hasSize) {
        if (const auto head = ReadArrivedHead(partPath, d.gaps, d.size)) consider(JudgeContent(d.name, *head));
    }
    if (options.names) {
        if (auto r = InspectName(d.name)) consider(Suspicion{Strength::ProgramName, std::move(*r)});
    }
    if (options.partHashes && d.hasSize) {
        if (auto r = InspectPartHashes(d.partHashes, d.size)) consider(Suspicion{Strength::MostlyZeros, std::move(*r)});
    }
    return best;
}

std::optional<std::string> InspectDownload(const Download& d, const std::string& partPath,
                                           const InspectOptions& options) {
    auto s = JudgeDownload(d, partPath, options);
    if (!s) return std::nullopt;
    return std::move(s->reason);
}

std::string SuspectText(const std::string& reason) { return "Suspect: " + reason; }

}  // namespace kv::inspect
