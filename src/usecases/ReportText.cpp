#include "usecases/ReportText.h"

#include "common/StringUtil.h"

namespace kv {

namespace {

std::string T(const Translator& tr, const char* source, std::initializer_list<std::string_view> parts = {}) {
    return Tr(tr, "Verdicts", source, parts);
}

}  // namespace

std::string VerdictOf(const Finding& f, const Translator& tr) {
    switch (f.problem) {
        case ReadProblem::None: break;
        case ReadProblem::Unreadable:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** Not checked: the .met file could not be read"));
        case ReadProblem::TooLarge:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts",
                                           "*** Not checked: the .met file is larger than 64 MiB, no .part.met"));
        case ReadProblem::NoDownload:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** Not checked: the .met file is empty or damaged"));
        case ReadProblem::DirectoryUnlisted:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** Not checked: the temp directory could not be listed"));
    }
    std::string verdict = VerdictText(f.verdict, tr);
    if (f.fromBackup)
        return T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 (read from the client's backup %2)"),
                 {verdict, f.download.metFile});
    return verdict;
}

std::string CheckFinished(int32_t found, int32_t suspects, int32_t checked, int32_t unreadable,
                          const Translator& tr) {
    const std::string f = DecimalText(found), s = DecimalText(suspects), n = DecimalText(checked, true),
                      u = DecimalText(unreadable);
    if (suspects > 0 && unreadable > 0)
        return T(tr,
                 QT_TRANSLATE_NOOP("Verdicts",
                                   "Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read"),
                 {f, s, n, u});
    if (suspects > 0)
        return T(tr, QT_TRANSLATE_NOOP("Verdicts", "Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met"),
                 {f, s, n});
    if (unreadable > 0)
        return T(tr,
                 QT_TRANSLATE_NOOP("Verdicts", "Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read"),
                 {f, n, u});
    return T(tr, QT_TRANSLATE_NOOP("Verdicts", "Finished! Found %1 Fakes in %2 checked .part.met"), {f, n});
}

std::string LinkVerdictText(const LinkFinding& f, const Translator& tr) {
    if (!f.link) return T(tr, QT_TRANSLATE_NOOP("Verdicts", "Malformed link: %1"), {f.error});
    return VerdictText(f.verdict, tr);
}

std::string LinkShownName(const LinkFinding& f) { return f.link ? f.link->name : f.raw; }

std::string LinkCheckFinished(size_t links, int32_t fakes, int32_t suspects, int32_t malformed,
                              const Translator& tr) {
    const std::string l = std::to_string(links), f = std::to_string(fakes), s = std::to_string(suspects);
    return T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1: %2, %3, %4 malformed"),
             {links == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 link"), {l})
                         : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 links"), {l}),
              fakes == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 fake"), {f})
                         : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 fakes"), {f}),
              suspects == 1 ? T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 suspect"), {s})
                            : T(tr, QT_TRANSLATE_NOOP("Verdicts", "%1 suspects"), {s}),
              std::to_string(malformed)});
}

std::string LinkCheckSummary(const LinkReport& report, const Translator& tr) {
    return LinkCheckFinished(report.links(), report.fakes, report.suspects, report.malformed, tr);
}

}  // namespace kv
