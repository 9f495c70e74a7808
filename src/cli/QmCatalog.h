#pragma once

// The command line's translations: the .qm files Qt's lrelease makes from the
// .ts files under translations/, built into the program and read here without
// Qt, which the command line does not load (its start-up time counts).

#include <string>
#include <string_view>

#include "common/Translator.h"

namespace kv::cli {

// One .qm file, read in place: the bytes must outlive it. A damaged or foreign
// file translates nothing; no input makes it read outside the bytes.
class QmCatalog final : public Translator {
public:
    QmCatalog() = default;
    explicit QmCatalog(std::string_view qm);
    bool empty() const { return hashes_.empty(); }
    std::string Translate(const char* context, const char* source) const override;

private:
    bool KnowsContext(std::string_view context) const;
    bool Message(size_t offset, std::string_view context, std::string_view source, std::u16string& out) const;

    std::string_view contexts_, hashes_, messages_;
};

// The built-in .qm of a language ("de"); empty for one not shipped.
std::string_view BuiltInCatalog(std::string_view language);

// The language the user's locale asks for, as gettext picks it: the first set
// of LC_ALL, LC_MESSAGES and LANG names the locale; C and POSIX mean English;
// else LANGUAGE's list (a:b:c) wins over the locale's own language. The
// answer is a shipped language ("de", "fr", "es", "it") or "" for English.
std::string ChosenLanguage(const char* lcAll, const char* lcMessages, const char* lang, const char* language);

// The command line's words: English until UseLanguage picks another.
const Translator& Words();
void UseLanguage(std::string_view language);
// Words() applied: the translation of one of the command line's texts (context "Cli").
std::string T(const char* source, std::initializer_list<std::string_view> parts = {});

}  // namespace kv::cli
