#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "clients/ClientImport.h"

using namespace kv;
using namespace std::string_literals;

namespace {

const std::string kTerm = "\x03\x07\x00"s;

// A pref.met as eDonkey leaves it: binary tags around "temp!", one length byte, the path, 03 07 00.
std::string PrefMet(const std::string& marker, const std::string& path) {
    return "\x14\x02\x04\x00nick\x05\x00" "Alice\x02\x05\x00"s + marker + static_cast<char>(path.size()) + path +
           kTerm + "\x00\x10\x27\x02\x08\x00incoming\x06\x00/in/ok"s;
}

}  // namespace

TEST(ReadPrefMetTempPath, CutsFromTheFirstMarkerToTheTerminator) {
    test::ScopedTempDir dir;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {PrefMet("TEMP!", "/home/j\xC3\xBCrgen/t") + PrefMet("temp!", "/second"), "/home/j\xC3\xBCrgen/t"},
        {"\x02\x05\x00temp!\x04/abc\x02\x01\x00more"s + kTerm + "tail", "/abc\x02\x01\x00more"s},  // later field
        // No marker, terminator or value: nothing, never bytes from the file's start.
        {"abcdefgh/path" + kTerm, ""}, {"\x02\x05\x00temp!\x04/abc"s, ""}, {"xxtemp!", ""}};
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(ReadPrefMetTempPath(dir.Write(std::to_string(i), cases[i].first)), cases[i].second) << i;
}
