// `kestrivane-cli check --amule` over the downloads of a real amuled against
// `kestrivane-cli check` of the same downloads in that daemon's temp
// directory, side by side in one run, with aMule's own amulecmd fetching the
// same queue as the floor of the EC path. Prints medians and ratios; nothing
// is asserted.
//
//   kv_bench_amule [--downloads N] [--records M] [--rounds R]
//
// A throwaway amuled on loopback (servers and Kad off) is given N downloads
// (default 2,000) through EC, so aMule writes their .part.met files itself;
// the fake list holds M random records (default 100,000) with every 100th
// download planted in it. Each round runs every command once, in turn:
//   check              the temp directory, as without aMule
//   check --amule      the queue over EC, each download read again from the
//                      temp directory beside it (a local aMule)
//   check --amule, --temp-dir of an empty directory: the queue alone (a remote aMule)
//   amulecmd show dl   aMule's own command line, the same queue
// Wall time is what the user waits, amuled's CPU included; CPU is the
// command's own; peak is its largest resident set over the rounds. The
// phases of the EC check are timed in process.
#include <dirent.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "AmuleDaemon.h"
#include "BenchSupport.h"
#include "TempDir.h"
#include "clients/amule/AmuleClient.h"
#include "clients/amule/ConnectionSettings.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"
#include "ed2k/Ed2kLink.h"
#include "usecases/AmuleCheck.h"

namespace {

using namespace kv::bench;
using Wall = std::chrono::steady_clock;

double Since(Wall::time_point from) { return std::chrono::duration<double>(Wall::now() - from).count(); }

kv::Ed2kHash RandomHash(Rng& rng) {
    std::array<uint8_t, 16> h{};
    for (auto& b : h) b = static_cast<uint8_t>(rng.Next() >> 24);
    return kv::Ed2kHash(h);
}

// The daemon by its command line: AmuleDaemon keeps its process id to itself.
pid_t DaemonPid(const std::string& configDir) {
    DIR* proc = ::opendir("/proc");
    if (!proc) return -1;
    const std::string wanted = std::string("amuled") + '\0' + "-c" + '\0' + configDir + '\0';
    pid_t found = -1;
    while (const dirent* e = ::readdir(proc)) {
        if (e->d_name[0] < '1' || e->d_name[0] > '9') continue;
        std::ifstream in(std::string("/proc/") + e->d_name + "/cmdline", std::ios::binary);
        const std::string line((std::istreambuf_iterator<char>(in)), {});
        if (line == wanted) found = std::atoi(e->d_name);
    }
    ::closedir(proc);
    return found;
}

double CpuOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;  // state .. cmajflt
    long utime = 0, stime = 0;
    fields >> utime >> stime;
    return double(utime + stime) / double(::sysconf(_SC_CLK_TCK));
}

size_t PartMetFiles(const std::string& dir) {
    size_t n = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec))
        n += e.path().filename().string().ends_with(".part.met");
    return n;
}

struct Row {
    const char* what;
    std::vector<std::string> args;
    std::vector<double> wall, cpu, daemonCpu;
    long peakKiB = 0;
    int status = -1;
};

}  // namespace

int main(int argc, char** argv) {
    if (const int launched = LaunchMode(argc, argv); launched >= 0) return launched;
    const int downloads = ArgValue(argc, argv, "--downloads", 2000);
    const int records = ArgValue(argc, argv, "--records", 100000);
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 5));
    if (!kv::test::AmuleDaemon::Installed()) {
        std::puts("amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils): nothing measured.");
        return 0;
    }
    kv::test::ScopedTempDir scratch;
    const std::string root = scratch.path(), aMuleDir = root + "/amule", home = root + "/home", empty = root + "/empty";
    for (const std::string& d : {aMuleDir, home, empty}) std::filesystem::create_directories(d);
    ::setenv("HOME", root.c_str(), 1);  // amulecmd and kestrivane-cli look for nothing of the user's

    kv::test::AmuleDaemon daemon(aMuleDir);
    if (!daemon.Running()) {
        std::fprintf(stderr, "amuled did not start:\n%s\n", daemon.Log().c_str());
        return 1;
    }
    const pid_t amuled = DaemonPid(aMuleDir);
    const kv::ec::ConnectionSettings settings{"127.0.0.1", daemon.Port(), kv::test::AmuleDaemon::kPasswordMd5};
    const kv::ec::AmuleClient::Identity identity{"kv_bench_amule", "1"};

    // The downloads, added as a user's links are; every 100th hash goes into the list.
    Rng rng;
    std::vector<kv::Ed2kHash> planted;
    auto adder = kv::ec::AmuleClient::Connect(settings, identity);
    if (!adder) {
        std::fprintf(stderr, "no EC login: %s\n", kv::ec::Describe(adder.error()).c_str());
        return 1;
    }
    const auto addStart = Wall::now();
    for (int i = 0; i < downloads; ++i) {
        kv::Ed2kLink link;
        link.name = "Download.number." + std::to_string(i) + ".some.film.2024.720p.mkv";
        link.size = 100000000 + rng.Next() % 4000000000ULL;
        link.hash = RandomHash(rng);
        if (i % 100 == 0) planted.push_back(link.hash);
        if (const auto added = adder->AddLink(link.Text()); !added) {
            std::fprintf(stderr, "link %d not added: %s\n", i, kv::ec::Describe(added.error()).c_str());
            return 1;
        }
    }
    const std::string temp = aMuleDir + "/Temp";
    for (int wait = 0; wait < 600 && PartMetFiles(temp) < size_t(downloads); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const double adding = Since(addStart);
    const size_t written = PartMetFiles(temp);

    std::string list;
    for (int i = 0; i < records; ++i)
        list += RandomHash(rng).ToHex() + "," + std::to_string(rng.Next() % 2000000000) + ",Fake number " +
                std::to_string(i) + ", advertising instead of the film [German]\r\n";
    for (const kv::Ed2kHash& h : planted) list += kv::ToUpperAscii(h.ToHex()) + ",1,Planted fake\r\n";
    kv::WriteFileAtomic(home + "/FAKES.DAT", list);
    kv::WriteFileAtomic(home + "/Kestrivane.ini", "[eMule]\r\nTempDir=" + temp + "\r\n[Display]\r\nShowAllPartMet=YES\r\n");
    kv::ec::StoreConnection(home + "/" + kv::ec::kConnectionFileName, settings);

    const std::string cli = KV_CLI_PATH;
    std::vector<Row> rows = {
        {"kestrivane-cli check (the temp directory)", {cli, "--home", home, "check"}, {}, {}, {}},
        {"kestrivane-cli check --amule (local: .part.met read too)", {cli, "--home", home, "check", "--amule"}, {}, {}, {}},
        {"kestrivane-cli check --amule (remote: the queue alone)",
         {cli, "--home", home, "check", "--amule", "--temp-dir", empty}, {}, {}, {}},
        {"amulecmd -c 'show dl' (aMule's own, the same queue)",
         {"/usr/bin/amulecmd", "-h", "127.0.0.1", "-p", std::to_string(daemon.Port()), "-P",
          kv::test::AmuleDaemon::kPassword, "-c", "show dl"}, {}, {}, {}},
    };
    std::vector<double> login, queue, listLoad, whole, floorIo;
    size_t queued = 0;
    IoOnlyCheck(temp, {});  // the page cache holds the files for every measurement alike
    for (int r = 0; r < rounds; ++r) {
        const auto f0 = Clock::now();
        IoOnlyCheck(temp, {});
        floorIo.push_back(Seconds(f0));
        for (Row& row : rows) {
            const double before = CpuOf(amuled);
            const auto t0 = Wall::now();
            const Run run = RunProgram(row.args);
            row.wall.push_back(Since(t0));
            row.daemonCpu.push_back(CpuOf(amuled) - before);
            row.cpu.push_back(run.seconds);
            row.peakKiB = std::max(row.peakKiB, run.peakKiB);
            row.status = run.status;
        }
        // The phases of the EC check in this process.
        auto t0 = Wall::now();
        auto client = kv::ec::AmuleClient::Connect(settings, identity);
        login.push_back(Since(t0));
        if (!client) continue;
        t0 = Wall::now();
        const auto got = client->Queue();
        queue.push_back(Since(t0));
        queued = got ? got->downloads.size() : 0;
        kv::ListStore lists(kv::ProgramHome::At(kv::HomeDirs{home, home}));
        t0 = Wall::now();
        (void)lists.Load();
        listLoad.push_back(Since(t0));
        t0 = Wall::now();
        const auto checked = kv::CheckAmule(lists, {});
        whole.push_back(Since(t0));
        if (!checked) std::fprintf(stderr, "in process: %s\n", checked.error().detail.c_str());
    }

    std::printf("%d downloads added through EC in %.1f s (%zu .part.met written, %zu in the queue), %d fake records, "
                "%zu planted; %d rounds, medians\n",
                downloads, adding, written, queued, records, planted.size(), rounds);
    const double base = Median(rows[0].wall), ecFloor = Median(rows[3].wall);
    std::printf("%-58s %8s %8s %9s %8s %8s %8s %5s\n", "", "wall s", "cpu s", "amuled s", "x check", "x amcmd",
                "peak MB", "exit");
    for (const Row& row : rows)
        std::printf("%-58s %8.3f %8.3f %9.3f %8.2f %8.2f %8.1f %5d\n", row.what, Median(row.wall), Median(row.cpu),
                    Median(row.daemonCpu), Median(row.wall) / base, Median(row.wall) / ecFloor, row.peakKiB / 1024.0,
                    row.status);
    std::printf("floor of the temp-directory check: its file I/O alone %.4f s cpu (check cpu x %.1f)\n",
                Median(floorIo), Median(rows[0].cpu) / Median(floorIo));
    std::printf("in process, check --amule (local) by phase, wall s: login %.4f, queue fetch %.4f, list load %.4f, "
                "judging %.4f; whole %.4f\n",
                Median(login), Median(queue), Median(listLoad),
                Median(whole) - Median(login) - Median(queue) - Median(listLoad), Median(whole));
    return 0;
}
