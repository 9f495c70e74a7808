// The link check of a large paste against a large list, side by side with
// loading that list alone, in one run: in process (best of several rounds) and
// through kestrivane-cli (the same program run on the paste and on an empty
// paste, so that start-up and the list load are in both). Prints figures and
// ratios; nothing is asserted.
//
//   kv_bench_links_check [--records N] [--links N] [--rounds R]
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
#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
#include "usecases/LinkCheck.h"

namespace {

using kv::bench::Clock;
using kv::bench::Rng;
using kv::bench::ArgValue;
using kv::bench::Seconds;

std::string Hex(Rng& rng) {
    std::string s;
    while (s.size() < 32) s += "0123456789abcdef"[rng.Next() >> 60];
    return s;
}

// Runs the CLI with stdout and stderr to /dev/null; the exit status.
int RunCli(const std::string& home, const std::string& input) {
    std::fflush(stdout);  // else the child's exit writes our buffered lines again
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(KV_CLI_PATH, "kestrivane-cli", "--home", home.c_str(), "links", input.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double BestOf(int rounds, auto&& run) {
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = Clock::now();
        run();
        best = std::min(best, Seconds(t0));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int records = ArgValue(argc, argv, "--records", 1000000);
    const int links = ArgValue(argc, argv, "--links", 100000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 3));
    kv::test::ScopedTempDir dir;

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
    const std::string listPath = dir.Write("FAKES.DAT", list);
    const std::string pastePath = dir.Write("links.txt", paste);
    const std::string emptyPath = dir.Write("none.txt", "");
    dir.Write("Kestrivane.ini", "[Display]\r\nShowAllPartMet=NO\r\n");
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

    std::printf("%d links (%.1f MB, %zu of them listed) against %d records (%.1f MB)\n", links, pasteBytes / 1e6,
                found, records, listBytes / 1e6);
    std::printf("in process:  load the list %.3f s; load and check the links %.3f s (the check alone %.3f s)\n",
                loadOnly, loadAndCheck, checkOnly);
    std::printf("  links/load time = %.2f (goal <= 3)\n", loadAndCheck / loadOnly);

    int status = 0;
    const double cliEmpty = BestOf(rounds, [&] { status |= RunCli(dir.path(), emptyPath); });
    int fakesStatus = 0;
    const double cliLinks = BestOf(rounds, [&] { fakesStatus = RunCli(dir.path(), pastePath); });
    std::printf("kestrivane-cli links: empty paste (start and load the list) %.3f s, exit %d; "
                "the %d links %.3f s, exit %d\n",
                cliEmpty, status, links, cliLinks, fakesStatus);
    std::printf("  links/load time = %.2f (goal <= 3)\n", cliLinks / cliEmpty);
    return 0;
}
