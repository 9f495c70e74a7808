#pragma once

// Links judged before anything is downloaded: each ed2k or magnet link in a
// pasted text, a text file or an eMule collection, looked up in the fake lists
// and put to the rules that need no data (the name, the published part hashes).

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/FakeCatalogue.h"
#include "ed2k/Ed2kLink.h"
#include "inspect/Suspicion.h"
#include "usecases/Lists.h"
#include "usecases/Verdict.h"

namespace kv {

// More than any paste or collection holds; larger input is refused unread.
inline constexpr size_t kMaxLinkCheckInput = size_t{64} << 20;

// What the check says about one link.
struct LinkFinding {
    size_t line = 0;               // text: its line, from 1; binary collection: its place, from 1; 0 = none
    std::string raw;               // a link that could not be read, as it stood in the text (else "")
    std::optional<Ed2kLink> link;  // unset for a malformed link (its verdict: NotChecked)
    Verdict verdict;               // by the lists, the name and the published part hashes
    std::string error;             // why a malformed link could not be read
};

struct LinkReport {
    // A text collection is text: one link a line.
    enum class Source { Text, BinaryCollection };

    std::vector<LinkFinding> findings;  // in the order of the input (none when a LinkProgress took them)
    size_t checked = 0;     // links read and judged
    int32_t fakes = 0;
    int32_t suspects = 0;   // not counting fakes a rule also suspects
    int32_t malformed = 0;
    Source source = Source::Text;
    std::string collectionName;  // binary collections only
    size_t listRecords = 0;      // records in the lists consulted (0: only the rules applied)
    // Set when the input was not checked at all (too large, a broken
    // collection header); the text says why, for a person.
    std::string refused;

    size_t links() const { return checked; }
    bool Refused() const { return !refused.empty(); }
};

// Told of each link as it is judged, in the order of the input. A front end
// that prints as it goes takes the findings over: the report then holds the
// counts only, however long the paste.
class LinkProgress {
public:
    virtual ~LinkProgress() = default;
    // The input was accepted and its links follow (a refused input gets no call).
    virtual void Started(const LinkReport& report) { (void)report; }
    virtual void Take(LinkFinding&& finding) = 0;
};

// Reads links from a binary eMule collection (told by its version number at
// the start) or else from text of any kind (one link a line, an HTML page, a
// forum post, the text form of a collection), and judges each. Time and
// memory linear in the input.
[[nodiscard]] LinkReport CheckLinks(std::string_view textOrCollectionBytes, const FakeCatalogue& fakes,
                      LinkProgress* progress = nullptr);

// ---- The link check as the front ends ask for it ---------------------------------

enum class LinkCheckError {
    GivenListUnreadable,  // the list given instead of FAKES.DAT cannot be read
    FileTooLarge,         // the links file is over kMaxLinkCheckInput
    FileUnreadable,       // the links file cannot be read
    Refused,              // the input was not checked (see LinkReport::refused)
};

struct LinkCheckFailure {
    LinkCheckError kind{};
    std::string path;     // the list or the links file
    int64_t length = 0;   // FileTooLarge: its size
    std::string refusal;  // Refused: why
    std::string cause;    // GivenListUnreadable: why, when known
};

// Loads the lists as the download check does (the own list, FAKES.DAT or
// fakeList, the sources, the signals) and checks the links in the input.
[[nodiscard]] std::expected<LinkReport, LinkCheckFailure> CheckLinksIn(ListStore& lists, std::string_view textOrCollection,
                                                         const std::string& fakeList = "",
                                                         LinkProgress* progress = nullptr);
// The same on a file (text, or a collection in either form).
[[nodiscard]] std::expected<LinkReport, LinkCheckFailure> CheckLinksInFile(ListStore& lists, const std::string& path,
                                                             const std::string& fakeList = "",
                                                             LinkProgress* progress = nullptr);

// What the rules that need no data find in a link: its name, its published part hashes.
[[nodiscard]] std::vector<inspect::Suspicion> SuspectLinkReasons(const Ed2kLink& link);

}  // namespace kv
