// What checking a downloaded list before it replaces one costs: JudgeList
// against FakeList::Parse of the same bytes (which the load does anyway), and
// gzip unpacking against the plain list, side by side in one run (best of
// several rounds). Prints figures and ratios; nothing is asserted.
//
//   kv_bench_list_check [--records N] [--rounds R]
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "lists/FakeList.h"
#include "lists/ListShape.h"
#include "online/ListArchive.h"

namespace {

using Clock = std::chrono::steady_clock;

double Best(int rounds, const std::function<void()>& work) {
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        const auto t = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t).count());
    }
    return best;
}

std::string Gzip(const std::string& data) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    size_t records = 1'000'000;
    int rounds = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--records") == 0) records = std::strtoull(argv[i + 1], nullptr, 10);
        if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::atoi(argv[i + 1]);
    }
    std::string list;
    uint64_t x = 0x9E3779B97F4A7C15ULL;
    static const char* hex = "0123456789ABCDEF";
    for (size_t i = 0; i < records; ++i) {
        for (int d = 0; d < 32; ++d) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            list += hex[x & 15];
        }
        list += ",734003200,Fake: trailer only, then a password request\r\n";
    }
    const std::string packed = Gzip(list);
    size_t sink = 0;
    const double judge = Best(rounds, [&] { sink += kv::JudgeList(list).records; });
    const double parse = Best(rounds, [&] { sink += kv::FakeList::Parse(list).size(); });
    const double unpack = Best(rounds, [&] { sink += kv::UnpackList(packed, uint64_t{256} << 20).list->size(); });
    std::printf("list: %zu records, %.1f MiB (gzip %.1f MiB)\n", records, list.size() / 1048576.0,
                packed.size() / 1048576.0);
    std::printf("JudgeList       %8.3f s\n", judge);
    std::printf("FakeList::Parse %8.3f s\n", parse);
    std::printf("UnpackList gzip %8.3f s\n", unpack);
    std::printf("ratio judge/parse: %.2f   unpack/parse: %.2f   (sink %zu)\n", judge / parse, unpack / parse, sink);
    return 0;
}
