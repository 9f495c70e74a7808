#pragma once

// A report's rows and summaries in words: the verdict column of a download or
// a link, and the line that sums a check up. Both front ends show them alike.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Translator.h"
#include "usecases/Check.h"
#include "usecases/LinkCheck.h"
#include "usecases/Verdict.h"

namespace kv {

// A check row's description column: why the file told nothing, or its
// verdict's words (VerdictText), noting a backup copy read instead.
[[nodiscard]] std::string VerdictOf(const Finding& finding, const Translator& tr = Untranslated());
// "Finished! Found F Fakes [and S Suspects] in N checked .part.met[, U could not be read]"
[[nodiscard]] std::string CheckFinished(int32_t found, int32_t suspects, int32_t checked, int32_t unreadable = 0,
                          const Translator& tr = Untranslated());

// The description column: "Malformed link: …", or the verdict's words as for a download.
[[nodiscard]] std::string LinkVerdictText(const LinkFinding& finding, const Translator& tr = Untranslated());
// The file name, or for a malformed link the text that could not be read.
[[nodiscard]] std::string LinkShownName(const LinkFinding& finding);
// "3 links: 1 fake, 1 suspect, 0 malformed"
[[nodiscard]] std::string LinkCheckFinished(size_t links, int32_t fakes, int32_t suspects, int32_t malformed,
                              const Translator& tr = Untranslated());
// The summary of a finished link check.
[[nodiscard]] std::string LinkCheckSummary(const LinkReport& report, const Translator& tr = Untranslated());

}  // namespace kv
