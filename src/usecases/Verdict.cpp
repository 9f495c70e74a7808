#include "usecases/Verdict.h"

#include <algorithm>

namespace kv {

namespace {

std::string T(const Translator& tr, const char* source, std::initializer_list<std::string_view> parts = {}) {
    return Tr(tr, "Verdicts", source, parts);
}

bool Strong(const inspect::Suspicion& s) { return s.severity == inspect::Severity::Suspect; }

}  // namespace

const inspect::Suspicion* Verdict::Note() const {
    if (Listed() || allowed || reasons.empty() || reasons.front().severity != inspect::Severity::Note) return nullptr;
    return &reasons.front();
}

Verdict Judged(std::vector<inspect::Suspicion> evidence, std::optional<FakeMatch> match, VerdictKind otherwise) {
    Verdict v;
    v.reasons = std::move(evidence);
    // A client's memory is no proof: a suspect, and only where nothing else was found.
    if (match && match->kind == MatchKind::Suspect) {
        if (v.reasons.empty())
            v.reasons.push_back({inspect::Strength::SelfExtractor, SignalReason(std::move(match->description))});
        match.reset();
    }
    if (match) {
        v.allowed = match->kind == MatchKind::Allowed;
        v.kind = v.allowed ? VerdictKind::Clean : VerdictKind::Fake;
        if (v.allowed) v.reasons.clear();  // the user's judgement wins over the detectors
        v.entry = {std::move(match->description), std::move(match->listName)};
        return v;
    }
    v.kind = std::ranges::any_of(v.reasons, Strong) ? VerdictKind::Suspect : otherwise;
    return v;
}

void SuspectBy(Verdict& verdict, inspect::Suspicion evidence) {
    if (verdict.Listed() || verdict.allowed || !Strong(evidence)) return;
    verdict.reasons = {std::move(evidence)};
    verdict.kind = VerdictKind::Suspect;
}

std::string SuspicionText(const inspect::Suspicion& s, const Translator& tr) {
    return s.why.kind == inspect::ReasonKind::None ? s.reason : inspect::ReasonText(s.why, tr);
}

std::string ReasonsText(const Verdict& verdict, const Translator& tr) {
    std::string text;
    for (const inspect::Suspicion& s : verdict.reasons) {
        if (!text.empty()) text += "; ";
        text += SuspicionText(s, tr);
    }
    return text;
}

std::string AllowedText(const std::string& reason, const Translator& tr) {
    if (reason.empty()) return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** OK (allowed by you)"));
    return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** OK (allowed by you: %1)"), {reason});
}

std::string VerdictText(const Verdict& v, const Translator& tr) {
    switch (v.kind) {
        case VerdictKind::Fake:
            // A record without a description still has to read as a fake.
            if (v.entry.description.empty()) return T(tr, QT_TRANSLATE_NOOP("Verdicts", "Fake (%1)"), {v.entry.listName});
            return v.entry.description;
        case VerdictKind::Suspect: return T(tr, QT_TRANSLATE_NOOP("Verdicts", "Suspect: %1"), {ReasonsText(v, tr)});
        case VerdictKind::NotInspected:
            return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** Not inspected: the data is on the aMule machine"));
        case VerdictKind::Clean:
        case VerdictKind::NotChecked: break;
    }
    if (v.allowed) return AllowedText(v.entry.description, tr);
    if (const inspect::Suspicion* note = v.Note())
        return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** OK (note: %1)"), {SuspicionText(*note, tr)});
    return T(tr, QT_TRANSLATE_NOOP("Verdicts", "*** OK "));
}

}  // namespace kv
