// The link check of a large paste against a large list, side by side with
// loading that list alone, in one run: in process (best of several rounds) and
// through kestrivane-cli (the same program run on the paste and on an empty
// paste, so that start-up and the list load are in both). Prints figures and
// ratios; nothing is asserted.
//
//   kv_bench_links_check [--records N] [--links N] [--rounds R] [--keep DIR]
//
// With --keep the home (FAKES.DAT, Kestrivane.ini) and the pastes (links.txt,
// none.txt) are written to DIR and left there.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
#include "usecases/LinkCheck.h"
#include "usecases/ReportText.h"
#include "common/DisplayText.h"

namespace {

using namespace kv::bench;

std::string Hex(Rng& rng) {
    std::string s;
    while (s.size() < 32) s += "0123456789abcdef"[rng.Next() >> 60];
    return s;
}

// The check with every row printed as the command line prints it, to out.
size_t RowsPrinted(std::string_view paste, const kv::FakeCatalogue& catalogue, FILE* out) {
    class Rows final : public kv::LinkProgress {
    public:
        explicit Rows(FILE* out) : out_(out) {}
        void Take(kv::LinkFinding&& f) override {
            rows_ += std::to_string(f.line) + '\t';
            kv::AppendVisible(rows_, kv::LinkShownName(f));
            rows_ += '\t';
            kv::AppendVisible(rows_, kv::LinkVerdictText(f));
            rows_ += '\n';
            if (rows_.size() >= (1 << 16)) Flush();
        }
        void Flush() {
            std::fwrite(rows_.data(), 1, rows_.size(), out_);
            rows_.clear();
        }

    private:
        FILE* out_;
        std::string rows_;
    } rows(out);
    const kv::LinkReport report = kv::CheckLinks(paste, catalogue, &rows);
    rows.Flush();
    return report.links();
}

}  // namespace

int main(int argc, char** argv) {
    if (const int launched = LaunchMode(argc, argv); launched >= 0) return launched;
    const int records = ArgValue(argc, argv, "--records", 1000000);
    const int links = ArgValue(argc, argv, "--links", 100000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 3));
    kv::test::ScopedTempDir scratch;
    std::string keep;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keep") == 0) keep = argv[i + 1];
    const std::string root = keep.empty() ? scratch.path() : keep;
    std::filesystem::create_directories(root);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        kv::WriteFileAtomic(root + "/" + name, bytes);
        return root + "/" + name;
    };

    // The list, and a paste of links of which one in ten names a listed hash;
    // the rest are links as forums carry them, names with blanks and escapes.
    Rng rng;
    std::string list, paste;
    const int listedLinks = links / 10, step = std::max(1, records / std::max(1, listedLinks));
    int listed = 0;
    for (int i = 0; i < records; ++i) {
        const std::string hash = Hex(rng);
        list += hash + "," + std::to_string(rng.Next() % 4000000000ULL) + ",Fake: looped trailer, then a password\r\n";
        if (i % step == 0 && listed < listedLinks) {
            paste += "ed2k://|file|Listed%20film%20" + std::to_string(i) + ".avi|734003200|" + hash + "|/\n";
            ++listed;
        }
    }
    for (int i = listed; i < links; ++i)
        paste += "ed2k://|file|Some%20Film%20(2006)%20" + std::to_string(i) + ".DVDRip.avi|" +
                 std::to_string(700000000 + i) + "|" + Hex(rng) + "|h=" + "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567|/\n";
    const std::string listPath = write("FAKES.DAT", list);
    const std::string pastePath = write("links.txt", paste);
    const std::string emptyPath = write("none.txt", "");
    write("Kestrivane.ini", "[Display]\r\nShowAllPartMet=NO\r\n");
    const size_t listBytes = list.size(), pasteBytes = paste.size();
    list.clear();
    list.shrink_to_fit();

    size_t found = 0;
    const auto load = [&] {
        kv::FakeCatalogue catalogue;
        catalogue.Put(kv::FakeList::Parse(kv::ReadWholeFile(listPath).value_or("")), kv::ListRank::Downloaded);
        return catalogue;
    };
    const double loadOnly = BestOf(rounds, [&] { found += load().records() == 0; });
    const double loadAndCheck = BestOf(rounds, [&] {
        const kv::FakeCatalogue catalogue = load();
        const kv::LinkReport report = kv::CheckLinks(kv::ReadWholeFile(pastePath).value_or(""), catalogue);
        found = static_cast<size_t>(report.fakes);
    });
    const double checkOnly = [&] {
        const kv::FakeCatalogue catalogue = load();
        return BestOf(rounds, [&] { found = static_cast<size_t>(kv::CheckLinks(paste, catalogue).fakes); });
    }();

    const double floor = BestOf(rounds, [&] { ReadLoop(listPath); });
    // The link part's own floor: the least work on the same paste, the keys loaded (see LinkRowsFloor).
    FILE* devNull = std::fopen("/dev/null", "w");
    const double linkFloor = [&] {
        const KeyFloor keys = LoadKeysFloor(ReadAllFloor(listPath));
        return BestOf(rounds, [&] { found += LinkRowsFloor(keys, ReadAllFloor(pastePath), devNull); });
    }();
    const double checkPrinted = [&] {
        const kv::FakeCatalogue catalogue = load();
        return BestOf(rounds, [&] { found += RowsPrinted(kv::ReadWholeFile(pastePath).value_or(""), catalogue, devNull); });
    }();
    std::fclose(devNull);
    const double mappedLoad = BestOf(rounds, [&] { found += !kv::FakeList::Load(listPath, "FAKES.DAT"); });
    // The list's index kept from an earlier run (as after the first check), and
    // each run the first after the list changed (it indexes the list).
    const std::string keptIndex = kv::KeptIndexPath(listPath);
    const auto forget = [&] { kv::RemoveFile(keptIndex); };
    PastTimestampResolution(listPath);
    const Run firstEmpty = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", emptyPath}, forget);
    const Run firstLinks = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", pastePath}, forget);
    const Run cliEmpty = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", emptyPath});
    const Run cliLinks = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", pastePath});

    std::printf("%d links (%.1f MB) against %d records (%.1f MB); floor: the list read in 1 MiB blocks %.4f s\n",
                links, pasteBytes / 1e6, records, listBytes / 1e6, floor);
    std::printf("%-52s %8s %8s %8s\n", "", "cpu s", "x floor", "x load");
    const auto row = [&](const char* what, double s, double load) {
        std::printf("%-52s %8.4f %8.2f %8.2f\n", what, s, s / floor, s / load);
    };
    row("kestrivane-cli links, list indexed: empty paste", firstEmpty.seconds, firstEmpty.seconds);
    row("  the paste (goal 1.3 x load)", firstLinks.seconds, firstEmpty.seconds);
    row("kestrivane-cli links, index kept: empty paste", cliEmpty.seconds, firstEmpty.seconds);
    row("  the paste", cliLinks.seconds, firstEmpty.seconds);
    row("in process: load the list (read whole, Parse)", loadOnly, loadOnly);
    row("  load the list (FakeList::Load)", mappedLoad, loadOnly);
    row("  load and check the links", loadAndCheck, loadOnly);
    row("  the check alone", checkOnly, loadOnly);
    row("  the check, its rows printed (file read)", checkPrinted, loadOnly);
    row("floor of the link part: cut, look up, print", linkFloor, loadOnly);
    std::printf("the link part against its floor: %.2f (check and rows) %.2f (check alone)\n", checkPrinted / linkFloor,
                checkOnly / linkFloor);
    std::printf("the paste less the empty one: %.4f s with the list indexed, %.4f s with its index kept\n",
                firstLinks.seconds - firstEmpty.seconds, cliLinks.seconds - cliEmpty.seconds);
    std::printf("exit status: empty paste %d, the paste %d; peak %.1f MB (indexed), %.1f MB (kept)\n", cliEmpty.status,
                cliLinks.status, firstLinks.peakKiB / 1024.0, cliLinks.peakKiB / 1024.0);
    return 0;
}
