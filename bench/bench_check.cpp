// The fake check against its floor, the least file I/O it needs (list the
// directory; open each .part.met by name from the directory's handle and read
// it; pread the first 64 KiB of each .part whose head has arrived, and no
// other), side by side in one run: in process with its phases, and through
// kestrivane-cli against kv_floor as whole commands. Warm page cache; CPU
// time, best of R rounds. Prints figures and ratios; nothing is asserted.
//
//   kv_bench_check [--downloads N] [--records M] [--rounds R] [--keep DIR]
//                  [--cold-rounds C]
//
// The temp directory is shaped as aMule leaves it: each download has its
// .part.met.bak beside its .part.met and a .part; half of the .part files
// hold their first 64 KiB, the others are sparse with nothing at their start
// (the check never opens those). The peak memory of check --json is compared
// with the same check printed as rows.
//
// Cold: as root, the page cache, dentries and inodes are dropped before each
// run (a cold machine has none of them), and the wall time of kestrivane-cli
// check is compared with the same I/O on 16 threads (the parallel floor: as
// many as the check uses) and in a row (medians of C rounds, default 3; 0
// leaves it out). Without root it is skipped, and said so.
//
// With --keep the home and temp directory are written to DIR and left there
// (DIR/heads.txt names the arrived heads, for kv_floor check).
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "clients/TempDir.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"
#include "ed2k/PartMetReader.h"
#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
#include "usecases/Check.h"

namespace {

using namespace kv::bench;

std::array<uint8_t, 16> RandomHash(Rng& rng) {
    std::array<uint8_t, 16> h{};
    for (auto& b : h) b = static_cast<uint8_t>(rng.Next() >> 24);
    return h;
}

// The downloads, eMule's and aMule's layouts with their part hashes, each with
// its backup copy; their hashes. heads gets the .part names whose head arrived.
std::vector<std::array<uint8_t, 16>> WriteDownloads(const std::string& temp, int downloads, Rng& rng,
                                                    std::string& heads) {
    std::vector<std::array<uint8_t, 16>> hashes;
    const std::string head(65536, 'v');
    for (int i = 0; i < downloads; ++i) {
        kv::test::PartMetLayout meta;
        meta.hash = RandomHash(rng);
        meta.name = "Download number " + std::to_string(i) + ", some film (2024) 720p.mkv";
        meta.nameCopies = 1 + (i % 2);
        meta.size = 100000000 + rng.Next() % 4000000000ULL;
        meta.partHashCount = static_cast<uint16_t>(meta.size / 9728000);
        const bool arrived = i % 2 == 0;
        const bool wide = meta.size > 0xFFFFFFFFull;
        meta.extraTags = {kv::test::TagString(0x12, std::to_string(i) + ".part"), kv::test::TagU32(0x08, 12345),
                          kv::test::TagGap(true, 0, arrived ? head.size() : 0, wide),
                          kv::test::TagGap(false, 0, meta.size, wide)};
        if (meta.size > 4290048000ull) meta.version = 0xE2;
        hashes.push_back(meta.hash);
        char name[32];
        std::snprintf(name, sizeof name, "/%05d.part.met", i);
        const std::string met = kv::test::BuildPartMet(meta);
        kv::WriteFileAtomic(temp + name, met);
        kv::WriteFileAtomic(temp + name + std::string(".bak"), met);
        std::snprintf(name, sizeof name, "/%05d.part", i);
        kv::WriteFileAtomic(temp + name, arrived ? head : "");
        if (arrived) heads += std::string(name + 1) + "\n";
        std::filesystem::resize_file(temp + name, meta.size);  // sparse past what arrived
    }
    return hashes;
}

// Random records, and every 100th download planted somewhere in them (every other one in capitals).
std::string FakeList(const std::vector<std::array<uint8_t, 16>>& downloads, int records, Rng& rng) {
    std::vector<std::string> lines;
    for (int i = 0; i < records; ++i) {
        auto h = RandomHash(rng);
        lines.push_back(kv::HashText(h.data()) + "," + std::to_string(rng.Next() % 2000000000) + ",Fake number " +
                        std::to_string(i) + ", advertising instead of the film [German]");
    }
    for (size_t i = 0, planted = 0; i < downloads.size() && records > 0; i += 100, ++planted) {
        std::string hash = kv::HashText(downloads[i].data());
        if (planted % 2) hash = kv::ToUpperAscii(hash);
        lines[rng.Next() % lines.size()] = hash + ",1,Planted fake " + std::to_string(i);
    }
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

struct InProcess {
    double listing = 1e9, readParse = 1e9, lookups = 1e9, uninspected = 1e9, whole = 1e9;
    int found = 0;
};

InProcess TimeInProcess(const std::string& temp, const kv::FakeCatalogue& fakes, int rounds) {
    InProcess t;
    std::vector<kv::Download> parsed;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        const auto dir = kv::ListTempDir(temp);
        t.listing = std::min(t.listing, Seconds(t0));
        t0 = Clock::now();
        parsed.clear();
        for (const std::string& name : dir->metFiles)
            if (auto d = kv::ReadPartMet(temp + "/" + name)) parsed.push_back(std::move(*d));
        t.readParse = std::min(t.readParse, Seconds(t0));
        t0 = Clock::now();
        int found = 0;
        for (const kv::Download& d : parsed) found += d.hash && fakes.find(*d.hash);
        t.lookups = std::min(t.lookups, Seconds(t0));
        t0 = Clock::now();
        (void)kv::CheckDownloads(*dir, fakes, kv::CheckRules{true, false});
        t.uninspected = std::min(t.uninspected, Seconds(t0));
        t0 = Clock::now();
        t.found = kv::CheckDownloads(*kv::ListTempDir(temp), fakes, kv::CheckRules{true, true}).found;
        t.whole = std::min(t.whole, Seconds(t0));
    }
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int launched = LaunchMode(argc, argv); launched >= 0) return launched;
    const int downloads = ArgValue(argc, argv, "--downloads", 5000);
    const int records = ArgValue(argc, argv, "--records", 100000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 5));
    std::string keep;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keep") == 0) keep = argv[i + 1];
    kv::test::ScopedTempDir scratch;
    const std::string root = keep.empty() ? scratch.path() : keep;
    const std::string home = root + "/home", temp = root + "/temp", empty = root + "/empty";
    for (const std::string& d : {home, temp, empty}) std::filesystem::create_directories(d);

    Rng rng;
    std::string headList;
    const auto hashes = WriteDownloads(temp, downloads, rng, headList);
    const std::string headsFile = root + "/heads.txt";
    kv::WriteFileAtomic(headsFile, headList);
    const std::vector<std::string> heads = HeadNames(headsFile);
    const std::string fakes = FakeList(hashes, records, rng);
    kv::WriteFileAtomic(home + "/FAKES.DAT", fakes);
    kv::WriteFileAtomic(home + "/Kestrivane.ini", "[Display]\nShowAllPartMet=YES\n");

    IoCount io;
    IoOnlyCheck(temp, heads);  // the page cache holds the files for every measurement alike
    const double floor = BestOf(rounds, [&] { io = IoOnlyCheck(temp, heads); });
    const std::vector<std::string> check = {KV_CLI_PATH, "--home", home, "check", "--temp-dir", temp};
    const Run cli = BestRun(rounds, check);
    const Run fixed = BestRun(rounds, {KV_CLI_PATH, "--home", home, "check", "--temp-dir", empty});
    const Run floorCommand = BestRun(rounds, {KV_FLOOR_PATH, "check", temp, headsFile});
    const Run floorStart = BestRun(rounds, {KV_FLOOR_PATH, "check", empty});
    std::vector<std::string> json = check;
    json.push_back("--json");
    const Run jsonRun = BestRun(rounds, json);
    kv::FakeCatalogue loaded;
    loaded.Put(kv::FakeList::Parse(fakes), kv::ListRank::Downloaded);
    const InProcess t = TimeInProcess(temp, loaded, rounds);

    std::printf("%d downloads with their .bak (%zu heads arrived, the rest sparse), %d fake records (%.1f MB)\n",
                downloads, io.heads, records, fakes.size() / 1e6);
    std::printf("floor: the least I/O of the check, in process %.4f s; kv_floor check %.4f s (%.4f s of it start-up)\n",
                floor, floorCommand.seconds, floorStart.seconds);
    std::printf("%-58s %8s %8s\n", "", "cpu s", "x floor");
    const auto row = [&](const char* what, double s, double base) {
        std::printf("%-58s %8.4f %8.2f\n", what, s, s / base);
    };
    row("in process: the check, list loaded (goal 1.3)", t.whole, floor);
    row("  listing", t.listing, floor);
    row("  reading and parsing each .part.met", t.readParse, floor);
    row("  lookups", t.lookups, floor);
    row("  the check without the content inspection", t.uninspected, floor);
    row("kestrivane-cli check against kv_floor check", cli.seconds, floorCommand.seconds);
    row("  each less its start-up (check of an empty directory)", cli.seconds - fixed.seconds,
        floorCommand.seconds - floorStart.seconds);
    std::printf("kestrivane-cli exit %d; in process %d fakes found\n", cli.status, t.found);
    std::printf("peak memory: check %.1f MB, check --json %.1f MB: %.2f x (goal 1.3)\n", cli.peakKiB / 1024.0,
                jsonRun.peakKiB / 1024.0, static_cast<double>(jsonRun.peakKiB) / static_cast<double>(cli.peakKiB));

    const int coldRounds = ArgValue(argc, argv, "--cold-rounds", 3);
    if (coldRounds <= 0) return 0;
    if (!DropCaches()) {
        std::printf("cold: skipped: dropping the page cache, dentries and inodes needs root\n");
        return 0;
    }
    std::vector<double> coldCli, coldParallel, coldSerial;
    for (int r = 0; r < coldRounds; ++r) {
        DropCaches();
        coldCli.push_back(RunProgram(check).wall);
        DropCaches();
        coldParallel.push_back(WallSeconds([&] { IoOnlyCheckParallel(temp, heads, 16); }));
        DropCaches();
        coldSerial.push_back(WallSeconds([&] { IoOnlyCheck(temp, heads); }));
    }
    const double parallel = Median(coldParallel);
    std::printf("cold (page cache, dentries and inodes dropped), wall s, median of %d; floor: the I/O on 16 threads %.3f s\n",
                coldRounds, parallel);
    std::printf("%-58s %8.3f %8.2f\n", "kestrivane-cli check", Median(coldCli), Median(coldCli) / parallel);
    std::printf("%-58s %8.3f %8.2f\n", "the I/O one file after another", Median(coldSerial), Median(coldSerial) / parallel);
    return 0;
}
