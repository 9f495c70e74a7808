// The link check of a large paste against a large list, side by side with
// its floors in one run: through kestrivane-cli against kv_floor as whole
// commands (each with its start-up), and in process (best of several rounds).
// The links floor is the least a link check does: with the list's keys kept
// from an earlier run (as kestrivane-cli keeps its index) they are mapped and
// used as they lie, each pasted link cut, looked up and its row printed; on a
// first run the keys are read from the list and sorted first. Prints figures
// and ratios; nothing is asserted.
//
//   kv_bench_links_check [--records N] [--links N] [--rounds R] [--keep DIR]
//
// With --keep the home (FAKES.DAT, Kestrivane.ini), the pastes (links.txt,
// none.txt) and the floor's kept keys (keys.bin) are written to DIR and left there.
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
        return BestOf(rounds, [&] { found += LinkRowsFloor(keys.view(), ReadAllFloor(pastePath), devNull); });
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
    const Run firstLinks = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", pastePath}, forget);
    const Run cliEmpty = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", emptyPath});
    const Run cliLinks = BestRun(rounds, {KV_CLI_PATH, "--home", root, "links", pastePath});
    const std::string keptKeys = root + "/keys.bin";
    RunProgram({KV_FLOOR_PATH, "keys", listPath, keptKeys});
    const Run floorKept = BestRun(rounds, {KV_FLOOR_PATH, "links-kept", keptKeys, pastePath});
    const Run floorKeptEmpty = BestRun(rounds, {KV_FLOOR_PATH, "links-kept", keptKeys, emptyPath});
    const Run floorFirst = BestRun(rounds, {KV_FLOOR_PATH, "links", listPath, pastePath});

    std::printf("%d links (%.1f MB) against %d records (%.1f MB)\n", links, pasteBytes / 1e6, records, listBytes / 1e6);
    std::printf("links floor, whole command: keys kept %.4f s (%.4f s of it with an empty paste), keys sorted first "
                "%.4f s\n", floorKept.seconds, floorKeptEmpty.seconds, floorFirst.seconds);
    std::printf("%-60s %8s %8s\n", "", "cpu s", "x floor");
    const auto row = [&](const char* what, double s, double base) {
        std::printf("%-60s %8.4f %8.2f\n", what, s, s / base);
    };
    row("kestrivane-cli links, index kept (goal 1.2 x keys kept)", cliLinks.seconds, floorKept.seconds);
    row("  empty paste, against the floor's empty paste", cliEmpty.seconds, floorKeptEmpty.seconds);
    row("  the paste less the empty one, against the floor's", cliLinks.seconds - cliEmpty.seconds,
        floorKept.seconds - floorKeptEmpty.seconds);
    row("kestrivane-cli links, list indexed first (x keys sorted first)", firstLinks.seconds, floorFirst.seconds);
    std::printf("in process, against the link part's floor (cut, look up, print; keys loaded) %.4f s:\n", linkFloor);
    row("  the check, its rows printed (file read)", checkPrinted, linkFloor);
    row("  the check alone", checkOnly, linkFloor);
    std::printf("in process, against the list read in 1 MiB blocks %.4f s:\n", floor);
    row("  load the list (read whole, Parse)", loadOnly, floor);
    row("  load the list (FakeList::Load, mapped)", mappedLoad, floor);
    row("  load and check the links", loadAndCheck, floor);
    std::printf("exit status: empty paste %d, the paste %d; peak %.1f MB (indexed), %.1f MB (kept)\n", cliEmpty.status,
                cliLinks.status, firstLinks.peakKiB / 1024.0, cliLinks.peakKiB / 1024.0);
    return 0;
}
