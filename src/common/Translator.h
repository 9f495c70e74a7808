#pragma once

// The program's own texts in the user's language. A text is marked where it is
// written, with the context it is translated in, so that Qt's lupdate finds it:
//   Tr(tr, "Verdicts", QT_TRANSLATE_NOOP("Verdicts", "Suspect: %1"), {reason})
// The core knows no language: it asks the translator a front end gives it, and
// the default one keeps every text as it is, byte for byte.

#include <initializer_list>
#include <string>
#include <string_view>

// The marker lupdate looks for; Qt defines it the same way, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kv {

class Translator {
public:
    virtual ~Translator() = default;
    // The translation of source (English, UTF-8) in context; source itself when there is none.
    virtual std::string Translate(const char* context, const char* source) const;
};

// Keeps every text: what the tests and the C locale see.
const Translator& Untranslated();

// pattern with %1..%9 replaced by parts, in one pass: a part holding "%2"
// stays as it is. A placeholder without its part, and any other '%', stay.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> parts);

// The translation of source in context, with its placeholders filled in.
std::string Tr(const Translator& tr, const char* context, const char* source,
               std::initializer_list<std::string_view> parts = {});

}  // namespace kv
