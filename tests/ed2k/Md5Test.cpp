#include <gtest/gtest.h>

#include "ed2k/Ed2kHash.h"
#include "ed2k/Md5.h"

namespace kv {
namespace {

TEST(Md5, Rfc1321TestSuiteAndBlockBoundaries) {
    const struct { std::string input, digest; } kCases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // Lengths around 56 and 64 bytes put the length field into a second block.
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        {std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
        {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
    };
    for (const auto& c : kCases) EXPECT_EQ(Ed2kHash(Md5(c.input)).ToHex(), c.digest) << '"' << c.input << '"';
}

}  // namespace
}  // namespace kv
