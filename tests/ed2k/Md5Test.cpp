#include <gtest/gtest.h>

#include "ed2k/Ed2kHash.h"
#include "ed2k/Md5.h"

namespace kv {
namespace {

TEST(Md5, Rfc1321TestSuiteAndBlockBoundaries) {
    const struct { std::string input, digest; } kCases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        // Lengths around 56 and 64 bytes put the length field into a second block.
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
    };
    for (const auto& c : kCases) EXPECT_EQ(Ed2kHash(Md5(c.input)).ToHex(), c.digest) << '"' << c.input << '"';
}

}  // namespace
}  // namespace kv
