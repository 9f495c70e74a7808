#pragma once

#include <string>
#include <vector>

#include "app/presenter/MainView.h"

namespace kv {

// The result list's column titles for what it holds.
std::vector<std::string> ListColumns(ListKind kind);

// A row's cells as the list shows them: a field's own control bytes are
// made visible, never taken for separators or line ends.
// The verdict is worded by tr (the window's language).
std::vector<std::string> FindingCells(const Finding& finding, const Translator& tr = Untranslated());
std::vector<std::string> SearchHitCells(const SearchHit& hit);

// How a row of any list is painted: a download's, a link's, an aMule row's.
inline RowKind KindOf(const Verdict& v) {
    return v.fake() ? RowKind::Fake : v.suspect() ? RowKind::Suspect : RowKind::Plain;
}

// What the row menu copies of each selected finding, one line each.
enum class CopyWhat { Link, LinkHtml, Name, Hash, ListLine };
std::string CopyText(const std::vector<Finding>& findings, CopyWhat what);

}  // namespace kv
