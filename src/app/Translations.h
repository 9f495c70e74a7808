#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <vector>

#include "common/Translator.h"

namespace kv::app {

// Installs the shipped translation for locale's language, if there is one:
// German, French, Spanish, Italian. English and the C locale keep every text
// as it is. Returns whether a translation was installed.
bool InstallTranslation(const QLocale& locale);
// Removes what InstallTranslation installed.
void RemoveTranslation();

// A text of the window's logic (bytes) as the window shows it: translated when
// a translation is installed and the text is one of the program's own, fixed
// or made from a pattern whose parts (names, paths, figures) are kept as they
// are; else the bytes for display.
QString ShownText(const std::string& bytes);

// The verdicts' words (context "Verdicts") in the installed translation:
// for the core's VerdictOf and its kin, which build them from patterns.
const Translator& VerdictWords();

// The patterns of the window's logic, in English with %1... for their parts.
const std::vector<const char*>& MessagePatterns();

}  // namespace kv::app
