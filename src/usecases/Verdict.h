#pragma once

// One verdict for a download, a link and an aMule row: what the lists and the
// detectors make of it. Every check judges through Judged and every front end
// words it through VerdictText, so that a row reads alike wherever it is shown.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/Translator.h"
#include "inspect/Suspicion.h"
#include "lists/FakeCatalogue.h"

namespace kv {

enum class VerdictKind : uint8_t {
    Clean,         // nothing against it, or the own list allows it
    Fake,          // a list names it
    Suspect,       // strong evidence that no list names: counted, and it changes the exit status
    NotInspected,  // nothing against it, but judged by name and lists only: its bytes are on another machine
    NotChecked,    // nothing could be read: a .met file that told nothing, a malformed link
};

// The list record that named a fake, or the own list's record that allows one.
struct ListEntry {
    std::string description;  // an allowance's: the user's reason
    std::string listName;     // the list that holds it
};

struct Verdict {
    VerdictKind kind = VerdictKind::Clean;
    bool allowed = false;  // the own list says it is no fake, whatever else was found
    ListEntry entry;       // a fake's or an allowance's record; empty otherwise
    // The evidence as found: the detectors' or the link rules' findings, a
    // client's signal, other users' ratings. Kept for a fake too; none for an
    // allowed one. Severity::Note on a row that is not listed is a note.
    std::vector<inspect::Suspicion> reasons;

    bool fake() const { return kind == VerdictKind::Fake; }
    bool suspect() const { return kind == VerdictKind::Suspect; }
    // Counted, and listed by every check: a fake or a suspect.
    bool Listed() const { return fake() || suspect(); }
    // Weak evidence shown on a row that is not listed (playable media under
    // another container's name); nullptr when there is none.
    const inspect::Suspicion* Note() const;
};

// The one judgement: a list's fake first; then the own list's allowance, which
// silences every other finding; then strong evidence, a client's signal
// counting where nothing else was found; else otherwise (Clean, NotInspected or
// NotChecked: as far as the caller could look).
[[nodiscard]] Verdict Judged(std::vector<inspect::Suspicion> evidence, std::optional<FakeMatch> match,
                             VerdictKind otherwise = VerdictKind::Clean);

// Strong evidence found after the lists had their say (other users' ratings):
// it makes a row that is neither listed nor allowed a suspect.
void SuspectBy(Verdict& verdict, inspect::Suspicion evidence);

// The reason one piece of evidence gives, in tr's words when it has figures.
[[nodiscard]] std::string SuspicionText(const inspect::Suspicion& suspicion, const Translator& tr = Untranslated());
// Every reason, joined by "; " ("" when there is none).
[[nodiscard]] std::string ReasonsText(const Verdict& verdict, const Translator& tr = Untranslated());

// "*** OK (allowed by you: reason)": the own list says it is no fake.
[[nodiscard]] std::string AllowedText(const std::string& reason, const Translator& tr = Untranslated());
// The verdict column: the list's description ("Fake (list)" for a record
// without one), "Suspect: " and the reasons, "*** Not inspected: …", the
// own list's allowance, "*** OK (note: …)" or "*** OK ". A row that could not
// be read is worded by its own kind of row (VerdictOf, LinkVerdictText).
[[nodiscard]] std::string VerdictText(const Verdict& verdict, const Translator& tr = Untranslated());

}  // namespace kv
