// Measures content inspection against merely reading what it reads, side by
// side in one run: per download the .part.met and up to 64 KiB of the .part.
// Prints times and the ratio; nothing is asserted.
//
//   kv_bench_inspect [--downloads N] [--rounds R]
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Samples.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "usecases/Check.h"
#include "inspect/Inspect.h"

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

int ArgValue(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

// The plain work: the .part.met whole, and the first 64 KiB of the .part.
size_t ReadOnly(const kv::test::LaidOut& d, std::string& buffer) {
    size_t bytes = kv::ReadWholeFile(d.metPath).value_or("").size();
    const int fd = ::open(d.partPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        buffer.resize(kv::inspect::kHeadWindow);
        const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), 0);
        bytes += n > 0 ? static_cast<size_t>(n) : 0;
        ::close(fd);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const int downloads = ArgValue(argc, argv, "--downloads", 2000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 5));
    kv::test::ScopedTempDir dir;

    // Heads of real files, each padded to 64 KiB, under fitting and lying names.
    using kv::test::Sample;
    const std::string wmv = Sample("wmv");
    const struct { std::string name, head; } kinds[] = {
        {"Film (2024) DVDRip.avi", Sample("avi")},
        {"Film (2024) 1080p.mkv", Sample("mkv")},
        {"Film (2024) DVDRip.avi", kv::test::LockWithDrm(wmv, "http://example/lic", false)},
        {"Best of 2024 - album.mp3", Sample("zip-encrypted")},
        {"Live concert.mpg", Sample("mpeg-ts")},
        {"Song.mp3", Sample("mp3-id3")},
        {"Film (2024).mkv", Sample("pe")},
        {"Game.iso", Sample("iso9660")},
    };
    std::vector<kv::test::LaidOut> all;
    for (int i = 0; i < downloads; ++i) {
        const auto& kind = kinds[static_cast<size_t>(i) % std::size(kinds)];
        std::string head = kind.head;
        head.resize(kv::inspect::kHeadWindow, '\x33');
        const uint64_t size = 100000000 + static_cast<uint64_t>(i) * 1234567;
        std::vector<kv::Ed2kHash> parts(size / kv::inspect::kPartSize + 1);
        for (size_t p = 0; p < parts.size(); ++p) {
            kv::Ed2kHash::Bytes b{};
            b[0] = static_cast<uint8_t>(p);
            b[1] = static_cast<uint8_t>(i);
            parts[p] = kv::Ed2kHash(b);
        }
        // Every other download has nothing at its start yet.
        std::vector<kv::ByteRange> gaps;
        if ((static_cast<size_t>(i) / std::size(kinds)) % 2) gaps = {{0, size}};
        else gaps = {{kv::inspect::kHeadWindow + 1000, size / 2}, {size / 2 + 5000, size}};
        char stem[16];
        std::snprintf(stem, sizeof stem, "%05d", i);
        all.push_back(kv::test::LayOut(dir.path(), kind.name, head, size, gaps, parts, stem));
    }

    // The downloads whose head is there: the worst case of the same work.
    std::vector<kv::test::LaidOut> present;
    for (const auto& d : all)
        if (d.download.gaps.front().begin != 0) present.push_back(d);

    size_t bytes = 0;
    const auto measure = [&](const std::vector<kv::test::LaidOut>& set, const char* what) {
        std::string buffer;
        double read = 1e9, inspect = 1e9;
        size_t suspects = 0;
        for (int r = 0; r < rounds; ++r) {
            auto t = Clock::now();
            for (const auto& d : set) bytes += ReadOnly(d, buffer);
            read = std::min(read, Seconds(t));

            t = Clock::now();
            suspects = 0;
            for (const auto& d : set) {
                // The .part.met is read as the reader will; its parsing is not timed here.
                bytes += kv::ReadWholeFile(d.metPath).value_or("").size();
                suspects += kv::inspect::InspectDownload(d.download, d.partPath).has_value();
            }
            inspect = std::min(inspect, Seconds(t));
        }
        std::printf("%zu downloads, %s; %zu suspect\n", set.size(), what, suspects);
        std::printf("  read (.part.met + 64 KiB of .part):      %8.4f s\n", read);
        std::printf("  inspect (.part.met + InspectDownload):   %8.4f s\n", inspect);
        std::printf("  inspect/read = %.2f (goal <= 2)\n", inspect / read);
    };
    measure(all, "half with their first 64 KiB present");
    measure(present, "all with their first 64 KiB present");

    // The whole check as the program runs it: listing, reading and parsing every .part.met, the list lookup
    // (an empty list) and the inspection, against merely reading the same bytes.
    const kv::FakeCatalogue noList;
    double read = 1e9, check = 1e9;
    int suspects = 0;
    for (int r = 0; r < rounds; ++r) {
        std::string buffer;
        auto t = Clock::now();
        for (const auto& d : all) bytes += ReadOnly(d, buffer);
        read = std::min(read, Seconds(t));
        t = Clock::now();
        const auto listing = kv::ListTempDir(dir.path());
        suspects = kv::CheckDownloads(*listing, noList, kv::CheckRules{false, true}).suspects;
        check = std::min(check, Seconds(t));
    }
    std::printf("check of %zu downloads (half with their first 64 KiB present; %d suspects)\n", all.size(), suspects);
    std::printf("  read (.part.met + 64 KiB of .part):      %8.4f s\n", read);
    std::printf("  check (list, read, parse, inspect):      %8.4f s\n", check);
    std::printf("  check/read = %.2f (goal <= 2)\n", check / read);
    return bytes == 0;
}
