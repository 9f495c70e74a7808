#include "common/Translator.h"

#include <vector>

namespace kv {

std::string Translator::Translate(const char*, const char* source) const { return source; }

const Translator& Untranslated() {
    static const Translator none;
    return none;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    const std::vector<std::string_view> given(parts);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
            if (n < given.size()) {
                out += given[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Tr(const Translator& tr, const char* context, const char* source,
               std::initializer_list<std::string_view> parts) {
    return FillIn(tr.Translate(context, source), parts);
}

}  // namespace kv
