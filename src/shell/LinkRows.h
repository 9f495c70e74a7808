#pragma once

// A link check's findings as the window's list and the command line show them.

#include <string>

#include "usecases/LinkCheck.h"

namespace kv {

// The description column: the list's description for a fake, "Suspect: …",
// "Malformed link: …", or "*** OK " as for a download.
std::string LinkVerdictText(const LinkFinding& finding);

// The file name, or for a malformed link the text that could not be read.
std::string LinkShownName(const LinkFinding& finding);

// "line<TAB>name<TAB>verdict", bytes as the input held them.
std::string LinkRow(const LinkFinding& finding);

// The status line of a finished check.
std::string LinkCheckSummary(const LinkReport& report);

}  // namespace kv
