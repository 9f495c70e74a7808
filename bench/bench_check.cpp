// Measures the fake check through kestrivane-cli against merely reading the
// same files and against a plain record-by-record scan, side by side in one
// run. Prints times and ratios; nothing is asserted.
//
//   kv_bench_check [--downloads N] [--records M] [--scan-sample K] [--rounds R]
//
// The scan is quadratic (about 1.5 minutes for the defaults on a small
// machine); --scan-sample K scans only the first K downloads and scales the
// time up (0 = all, the default).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "PartMetBuilder.h"
#include "BenchSupport.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "usecases/Check.h"
#include "lists/FakeList.h"
#include "ed2k/PartMetReader.h"
#include "clients/TempDir.h"

extern char** environ;

namespace {

using kv::bench::Clock;
using kv::bench::Rng;
using kv::bench::ArgValue;
using kv::bench::Seconds;

std::array<uint8_t, 16> RandomHash(Rng& rng) {
    std::array<uint8_t, 16> h{};
    for (auto& b : h) b = static_cast<uint8_t>(rng.Next() >> 24);
    return h;
}

// Runs the command line checker with its output discarded; returns its exit status.
int RunCli(const std::vector<std::string>& args) {
    std::vector<std::string> store{KV_CLI_PATH};
    store.insert(store.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : store) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, KV_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int downloads = ArgValue(argc, argv, "--downloads", 5000);
    const int records = ArgValue(argc, argv, "--records", 100000);
    const int scanSample = ArgValue(argc, argv, "--scan-sample", 0);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 3));

    kv::test::ScopedTempDir root;  // removed with everything in it at the end
    const std::string home = root.File("home");
    const std::string temp = root.File("temp");
    Rng rng;

    // The downloads: eMule and aMule layouts, a few part hashes each.
    std::vector<std::array<uint8_t, 16>> hashes;
    for (int i = 0; i < downloads; ++i) {
        kv::test::PartMetLayout meta;
        meta.hash = RandomHash(rng);
        meta.name = "Download number " + std::to_string(i) + ", some film (2024) 720p.mkv";
        meta.nameCopies = 1 + (i % 2);
        meta.size = 100000000 + rng.Next() % 4000000000ULL;
        meta.partHashCount = static_cast<uint16_t>(meta.size / 9728000);
        meta.extraTags = {kv::test::TagString(0x12, std::to_string(i) + ".part"), kv::test::TagU32(0x08, 12345)};
        hashes.push_back(meta.hash);
        char file[32];
        std::snprintf(file, sizeof file, "temp/%05d.part.met", i);
        root.Write(file, kv::test::BuildPartMet(meta));
    }

    // The fake list: random records, and every 100th download planted somewhere
    // in it (every other one in capitals).
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(records));
    for (int i = 0; i < records; ++i) {
        auto h = RandomHash(rng);
        lines.push_back(kv::HashText(h.data()) + "," + std::to_string(rng.Next() % 2000000000) +
                        ",Fake number " + std::to_string(i) + ", advertising instead of the film [German]");
    }
    int planted = 0;
    for (int i = 0; i < downloads && records > 0; i += 100, ++planted) {
        std::string hash = kv::HashText(hashes[static_cast<size_t>(i)].data());
        if (planted % 2) hash = kv::ToUpperAscii(hash);
        lines[rng.Next() % lines.size()] = hash + ",1,Planted fake " + std::to_string(i);
    }
    std::string fakes;
    for (const auto& l : lines) fakes += l + "\r\n";
    root.Write("home/FAKES.DAT", fakes);
    root.Write("home/Kestrivane.ini", "[Display]\nShowAllPartMet=YES\n");

    const auto names = kv::ListMetFiles(temp).value_or(std::vector<std::string>{});
    std::printf("%zu .part.met files, %d fake records (%zu bytes), %d planted\n", names.size(), records,
                fakes.size(), planted);

    const auto readAll = [&] {
        size_t bytes = 0;
        for (const auto& n : names) bytes += kv::ReadWholeFile(temp + "/" + n).value_or("").size();
        return bytes;
    };
    readAll();  // the page cache holds the files for every measurement alike

    // The fixed cost of a check: process start and loading the fake list.
    const std::string empty = root.File("empty");
    root.Write("empty/readme.txt", "no downloads here");

    double read = 1e9, check = 1e9, fixed = 1e9;
    int exitStatus = -1;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        RunCli({"--home", home, "check", "--temp-dir", empty});
        fixed = std::min(fixed, Seconds(t0));
        auto t = Clock::now();
        readAll();
        read = std::min(read, Seconds(t));
        t = Clock::now();
        exitStatus = RunCli({"--home", home, "check", "--temp-dir", temp});
        check = std::min(check, Seconds(t));
    }

    // The check in-process: listing, reading, parsing and looking up, without process start and output.
    kv::FakeCatalogue loaded;
    loaded.Put(kv::FakeList::Parse(fakes), kv::ListRank::Downloaded);
    double inProcess = 1e9;
    int inProcessFound = 0;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = Clock::now();
        const auto dir = kv::ListTempDir(temp);
        inProcessFound = kv::CheckDownloads(*dir, loaded, kv::CheckRules{true, true}).found;
        inProcess = std::min(inProcess, Seconds(t0));
    }
    // Where the in-process time goes: the listing alone, and the check without the content inspection.
    double listing = 1e9, uninspected = 1e9;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        const auto dir = kv::ListTempDir(temp);
        listing = std::min(listing, Seconds(t0));
        t0 = Clock::now();
        kv::CheckDownloads(*dir, loaded, kv::CheckRules{true, false});
        uninspected = std::min(uninspected, Seconds(t0));
    }

    // The plain scan: each download's hash against every record, first match.
    std::vector<std::string> db;
    const kv::FakeList list = kv::FakeList::Parse(fakes);
    for (size_t r = 0; r < list.size(); ++r)
        db.push_back(std::string(list.record(r).hashText) + "," + std::string(list.record(r).description));
    const size_t sample = scanSample > 0 ? std::min(names.size(), static_cast<size_t>(scanSample)) : names.size();
    int scanFound = 0;
    auto t = Clock::now();
    for (size_t i = 0; i < sample; ++i) {
        const kv::Download info = kv::ParsePartMet(kv::ReadWholeFile(temp + "/" + names[i]).value_or(""));
        if (!info.hash) continue;
        const std::string hashText = info.hash->ToHex();
        for (const auto& record : db)
            if (kv::ContainsNoCase(record, hashText)) {
                ++scanFound;
                break;
            }
    }
    double scan = Seconds(t);
    if (sample > 0 && sample < names.size()) scan *= static_cast<double>(names.size()) / static_cast<double>(sample);

    std::printf("check (kestrivane-cli, exit %d): %8.3f s\n", exitStatus, check);
    std::printf("  of which start-up and list load (no downloads): %8.3f s\n", fixed);
    std::printf("read (ReadWholeFile of each):  %8.3f s\n", read);
    std::printf("scan (record by record%s): %8.3f s, %d fakes in the %s\n",
                sample < names.size() ? ", scaled up" : "", scan, scanFound,
                sample < names.size() ? "sample" : "whole set");
    std::printf("check/read = %.2f (goal <= 1.5)\n", check / read);
    std::printf("(check - start-up and load)/read = %.2f\n", (check - fixed) / read);
    std::printf("in-process check (list loaded; %d fakes): %8.3f s, check/read = %.2f\n", inProcessFound, inProcess,
                inProcess / read);
    std::printf("  listing alone %.3f s (%.2f x read); reading, parsing and looking up without the content "
                "inspection %.3f s (%.2f x read)\n",
                listing, listing / read, uninspected, uninspected / read);
    std::printf("scan/check = %.1f\n", scan / check);
    return 0;
}
