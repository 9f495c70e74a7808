#pragma once

#include <QLocale>
#include <QString>

#include <string_view>

#include "common/Translator.h"

namespace kv::app {

// Installs the shipped translation for locale's language, if there is one:
// German, French, Spanish, Italian. English and the C locale keep every text
// as it is. Returns whether a translation was installed.
bool InstallTranslation(const QLocale& locale);
// Removes what InstallTranslation installed.
void RemoveTranslation();

// Bytes (a name, a path, a text worded by the window's logic) as the window
// shows them: another encoding's bytes as their characters.
QString Shown(std::string_view bytes);

// The verdicts' words (context "Verdicts") in the installed translation.
const Translator& VerdictWords();

}  // namespace kv::app
