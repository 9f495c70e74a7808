// Loading a fake list against merely reading its bytes, side by side in one
// run: time (best of several rounds) and peak memory (each measured in a child
// process of its own). Also a list of nothing but hex digits against an
// ordinary one of the same size. Prints figures and ratios; nothing is asserted.
//
//   kv_bench_list [--records N] [--rounds R]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BenchSupport.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "lists/FakeList.h"

namespace {

using kv::bench::Clock;
using kv::bench::Rng;
using kv::bench::ArgValue;
using kv::bench::Seconds;

std::string Hex(Rng& rng, size_t digits) {
    std::string s;
    while (s.size() < digits) s += "0123456789abcdef"[rng.Next() >> 60];
    return s;
}

// Records as lists carry them: hash, size, a description of some 55 characters.
std::string OrdinaryList(size_t bytes) {
    Rng rng;
    std::string out;
    const char* words[] = {"Fake", "movie", "trailer", "looped", "password", "virus", "DVDRip", "German"};
    while (out.size() < bytes) {
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

// This address space's peak resident memory in KiB (begins anew at exec, unlike ru_maxrss).
long PeakKiB() {
    const std::string status = kv::ReadWholeFile("/proc/self/status").value_or("");
    const size_t at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + 6);
}

// Runs this program afresh as "--child MODE PATH" and returns its peak resident memory in KiB.
long PeakOfFreshProcess(const char* mode, const std::string& path) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        execl("/proc/self/exe", "kv_bench_list", "--child", mode, path.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(fds[1]);
    char buffer[64] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return n > 0 ? std::atol(buffer) : -1;
}

int Child(const std::string& mode, const std::string& path) {
    if (mode == "load") {
        const kv::FakeList list = kv::FakeList::Parse(kv::ReadWholeFile(path).value_or(""));
        if (list.size() == 1) std::fputs("", stderr);
    }
    std::printf("%ld\n", PeakKiB());
    return 0;
}

struct Timing {
    double read = 1e9, load = 1e9;
    size_t records = 0;
};

Timing Time(const std::string& path, int rounds) {
    Timing t;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        const size_t n = kv::ReadWholeFile(path).value_or("").size();
        t.read = std::min(t.read, Seconds(t0));
        t0 = Clock::now();
        const kv::FakeList list = kv::FakeList::Parse(kv::ReadWholeFile(path).value_or(""));
        t.load = std::min(t.load, Seconds(t0));
        t.records = list.size() + (n == 0);
    }
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return Child(argv[2], argv[3]);
    const int records = ArgValue(argc, argv, "--records", 1000000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 3));
    kv::test::ScopedTempDir dir;

    std::string text;
    {
        Rng rng;
        for (int i = 0; i < records; ++i) {
            text += Hex(rng, 32) + "," + std::to_string(rng.Next() % 4000000000ULL) + ",Fake: ";
            text += "looped trailer of another film, then a request for a password\r\n";
        }
    }
    const std::string big = dir.Write("FAKES.DAT", text);
    const size_t bytes = text.size();
    text.clear();
    text.shrink_to_fit();

    const Timing t = Time(big, rounds);
    // The memory rule: the peak of a child that loads the list, less that of one that only starts.
    const long base = PeakOfFreshProcess("bare", big);
    const long load = PeakOfFreshProcess("load", big);
    std::printf("list of %zu records, %.1f MB (peak of a bare child %ld KiB, of a loading one %ld KiB)\n", t.records, bytes / 1e6, base, load);
    std::printf("  read its bytes:  %8.3f s\n  load and index:  %8.3f s\n", t.read, t.load);
    std::printf("  load/read time   = %.2f (goal <= 8)\n", t.load / t.read);
    std::printf("  peak memory of the load: %.1f MB = %.2f x the list's size (goal <= 1.5)\n",
                (load - base) * 1024.0 / 1e6, (load - base) * 1024.0 / static_cast<double>(bytes));

    const std::string ordinary = dir.Write("ordinary.dat", OrdinaryList(10'000'000));
    const std::string hex = dir.Write("hex.dat", HexList(10'000'000));
    const Timing o = Time(ordinary, rounds), h = Time(hex, rounds);
    std::printf("10 MB ordinary list (%zu records): load %.3f s; 10 MB of hex digits (%zu records): load %.3f s\n",
                o.records, o.load, h.records, h.load);
    std::printf("  hex/ordinary load time = %.2f (goal <= 5)\n", h.load / o.load);
    return 0;
}
