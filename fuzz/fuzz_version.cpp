// The version record against running versions. Properties: no version is newer
// than itself (dotted or as the joined-digits number); for a dotted record
// "newer than" is monotone in the running version (newer than a version means
// newer than every lower one) and exactly one of two distinct dotted versions
// is newer than the other.
#include <string>
#include <tuple>

#include "FuzzSupport.h"
#include "online/VersionCheck.h"

namespace {

using Triple = std::tuple<int, int, int>;

Triple TripleOf(kv::fuzz::Input& in) {
    // Small numbers, so that equal parts come up often.
    auto part = [&] { const uint8_t b = in.Byte(); return b < 200 ? b % 12 : static_cast<int>(in.U32() % 1000000); };
    const int a = part(), b = part(), c = part();
    return {a, b, c};
}

std::string Dotted(const Triple& t) {
    return std::to_string(std::get<0>(t)) + "." + std::to_string(std::get<1>(t)) + "." + std::to_string(std::get<2>(t));
}

bool Newer(const std::string& record, const Triple& t) {
    return kv::IsNewerVersion(record, std::get<0>(t), std::get<1>(t), std::get<2>(t));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::fuzz::Input in(data, size);
    const Triple a = TripleOf(in);
    const Triple b = TripleOf(in);
    const std::string record = in.Rest();

    KV_FUZZ_CHECK(!Newer(Dotted(a), a));
    const auto [ma, mi, re] = a;
    KV_FUZZ_CHECK(!kv::IsNewerVersion(std::to_string(ma) + std::to_string(mi) + std::to_string(re), ma, mi, re));

    if (a != b) KV_FUZZ_CHECK(Newer(Dotted(a), b) != Newer(Dotted(b), a));
    KV_FUZZ_CHECK(Newer(Dotted(a), b) == (a > b));

    const std::string firstLine = record.substr(0, record.find_first_of("\r\n"));
    if (firstLine.find('.') != std::string::npos) {
        const Triple lower = std::min(a, b), higher = std::max(a, b);
        if (Newer(record, higher)) KV_FUZZ_CHECK(Newer(record, lower));
    }
    // Only the first line of the record counts.
    KV_FUZZ_CHECK(Newer(record, a) == Newer(firstLine, a));
    return 0;
}
