// Loading a fake list against the floor, the same file read in 1 MiB blocks,
// side by side in one run: in process with its phases (reading, the one pass
// and the sort), and through kestrivane-cli check on an empty temp directory
// with the whole process's peak memory. Also a list of nothing but hex digits
// against an ordinary one of the same size. Prints figures and ratios; nothing
// is asserted.
//
//   kv_bench_list [--records N] [--rounds R] [--keep DIR]
//
// With --keep the home (FAKES.DAT, Kestrivane.ini) and the empty temp
// directory are written to DIR and left there, for farm-bench or callgrind.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "lists/FakeList.h"

namespace {

using namespace kv::bench;

std::string Hex(Rng& rng, size_t digits) {
    std::string s;
    while (s.size() < digits) s += "0123456789abcdef"[rng.Next() >> 60];
    return s;
}

// Records as lists carry them: hash, size, a description; about 98 bytes a line.
std::string OrdinaryList(size_t records) {
    Rng rng;
    std::string out;
    out.reserve(records * 100);
    const char* words[] = {"Fake", "movie", "trailer", "looped", "password", "virus", "DVDRip", "German"};
    for (size_t i = 0; i < records; ++i) {
        out += Hex(rng, 32) + "," + std::to_string(rng.Next() % 4000000000ULL) + ",";
        for (int w = 0; w < 7; ++w) out += std::string(words[rng.Next() % 8]) + " ";
        out += "\r\n";
    }
    return out;
}

// Every field hex digits: 32-digit hashes and 60-digit descriptions.
std::string HexList(size_t bytes) {
    Rng rng;
    std::string out;
    while (out.size() < bytes) out += Hex(rng, 32) + "," + Hex(rng, 10) + "," + Hex(rng, 60) + "\r\n";
    return out;
}

struct Phases {
    double read = 1e9, parse = 1e9, load = 1e9;
    size_t records = 0;
};

double TimeMappedLoad(const std::string& path, int rounds) {
    return BestOf(rounds, [&] {
        if (!kv::FakeList::Load(path, "FAKES.DAT")) std::fputs("cannot load\n", stderr);
    });
}

Phases TimeLoad(const std::string& path, int rounds) {
    Phases p;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        std::string bytes = kv::ReadWholeFile(path).value_or("");
        p.read = std::min(p.read, Seconds(t0));
        const auto t1 = Clock::now();
        const kv::FakeList list = kv::FakeList::Parse(std::move(bytes));
        p.parse = std::min(p.parse, Seconds(t1));
        p.load = std::min(p.load, Seconds(t0));
        p.records = list.size();
    }
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int launched = LaunchMode(argc, argv); launched >= 0) return launched;
    const int records = ArgValue(argc, argv, "--records", 1000000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 5));
    std::string keep;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keep") == 0) keep = argv[i + 1];
    kv::test::ScopedTempDir scratch;
    const std::string root = keep.empty() ? scratch.path() : keep;
    std::filesystem::create_directories(root + "/home");
    std::filesystem::create_directories(root + "/empty");

    const std::string list = root + "/home/FAKES.DAT";
    const size_t bytes = [&] {
        const std::string text = OrdinaryList(static_cast<size_t>(records));
        kv::WriteFileAtomic(list, text);
        return text.size();
    }();
    kv::WriteFileAtomic(root + "/home/Kestrivane.ini", "[Display]\r\nShowAllPartMet=NO\r\n");

    const double floor = BestOf(rounds, [&] { ReadLoop(list); });
    const Phases p = TimeLoad(list, rounds);
    const double mapped = TimeMappedLoad(list, rounds);
    const std::string keptIndex = kv::KeptIndexPath(list);
    const double keptLoad = [&] {
        PastTimestampResolution(list);
        kv::FakeList::Load(list, "FAKES.DAT", nullptr, UINT64_MAX, keptIndex);  // writes it
        return BestOf(rounds, [&] {
            if (!kv::FakeList::Load(list, "FAKES.DAT", nullptr, UINT64_MAX, keptIndex)->indexWasKept())
                std::fputs("the kept index was not taken\n", stderr);
        });
    }();
    const std::vector<std::string> check{KV_CLI_PATH, "--home", root + "/home", "check", "--temp-dir", root + "/empty"};
    // The first run after the list changed indexes it and keeps the index; the runs after take it.
    const Run first = BestRun(rounds, check, [&] { kv::RemoveFile(keptIndex); });
    const Run cli = BestRun(rounds, check);
    const Run bare = BestRun(rounds, {KV_CLI_PATH, "--version"});

    std::printf("list of %zu records, %.1f MB; floor: read in 1 MiB blocks %.4f s\n", p.records, bytes / 1e6, floor);
    std::printf("%-44s %8s %8s\n", "", "cpu s", "x floor");
    const auto row = [&](const char* what, double s) { std::printf("%-44s %8.4f %8.2f\n", what, s, s / floor); };
    row("in process: FakeList::Load (read, indexed)", mapped);
    row("in process: FakeList::Load, the kept index taken", keptLoad);
    row("in process: read whole, then Parse", p.load);
    row("  read the file whole (ReadWholeFile)", p.read);
    row("  one pass and the sort (FakeList::Parse)", p.parse);
    row("kestrivane-cli check, empty temp dir (goal 5)", cli.seconds);
    row("  the first run: indexes, keeps the index", first.seconds);
    row("  of which start-up (kestrivane-cli --version)", bare.seconds);
    const auto peak = [&](const char* what, const Run& run) {
        std::printf("peak memory of kestrivane-cli check, %s: %.1f MB = %.2f x the list (goal 1.25)\n", what,
                    run.peakKiB * 1024.0 / 1e6, run.peakKiB * 1024.0 / static_cast<double>(bytes));
    };
    peak("the index kept", cli);
    peak("the first run", first);
    std::printf("exit status %d\n", cli.status);

    kv::test::ScopedTempDir small;
    const std::string ordinary = small.Write("ordinary.dat", OrdinaryList(100000));
    const std::string hex = small.Write("hex.dat", HexList(kv::FileLength(ordinary) > 0 ? static_cast<size_t>(kv::FileLength(ordinary)) : 0));
    const Phases o = TimeLoad(ordinary, rounds), h = TimeLoad(hex, rounds);
    std::printf("%.1f MB ordinary list (%zu records): load %.4f s; as much of hex digits only (%zu records): %.4f s, "
                "%.2f x\n", kv::FileLength(ordinary) / 1e6, o.records, o.load, h.records, h.load, h.load / o.load);
    return 0;
}
