// The command line's .qm reader on any bytes. Properties: it reads nothing
// outside them (the sanitizers watch), and every answer is UTF-8, never empty
// for a text that is not: the text itself or a translation found for it.
#include <string>

#include "FuzzSupport.h"
#include "cli/QmCatalog.h"

namespace {

bool ValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kv::cli::QmCatalog qm(bytes);
    const char* const keys[][2] = {
        {"Cli", "Temp directory %1 not found!"}, {"Verdicts", "Suspect: %1"}, {"Verdicts", "%1 link"}, {"", ""}};
    for (const auto& key : keys) {
        const std::string got = qm.Translate(key[0], key[1]);
        KV_FUZZ_CHECK(ValidUtf8(got));
        if (key[1][0] != '\0') KV_FUZZ_CHECK(!got.empty());
    }
    return 0;
}
