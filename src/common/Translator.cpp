#include "common/Translator.h"

namespace kv {

std::string Translator::Translate(const char*, const char* source) const { return source; }

const Translator& Untranslated() {
    static const Translator none;
    return none;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    size_t partsSize = 0;
    for (const std::string_view part : parts) partsSize += part.size();
    std::string out;
    out.reserve(pattern.size() + partsSize);  // one allocation unless a part is used twice
    // The bytes between placeholders are copied a run at a time: a check fills in thousands of verdicts.
    size_t copied = 0;
    for (size_t i = pattern.find('%'); i != std::string_view::npos && i + 1 < pattern.size();
         i = pattern.find('%', i + 1)) {
        const char digit = pattern[i + 1];
        if (digit < '1' || digit > '9' || static_cast<size_t>(digit - '1') >= parts.size()) continue;
        out.append(pattern, copied, i - copied);
        out += parts.begin()[digit - '1'];
        copied = i + 2;
        ++i;
    }
    out.append(pattern, copied);
    return out;
}

std::string Tr(const Translator& tr, const char* context, const char* source,
               std::initializer_list<std::string_view> parts) {
    return FillIn(tr.Translate(context, source), parts);
}

}  // namespace kv
