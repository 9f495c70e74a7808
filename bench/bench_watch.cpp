// Measures kestrivane-cli watch while a client saves its downloads: the watch's
// CPU time per second of churn, against a `cat` of the same changed files as the
// floor, and its resident memory over the run. Prints figures; nothing is asserted.
//
//   kv_bench_watch [--downloads N] [--rate S] [--records M] [--seconds T] [--sample-every K]
//
// N downloads (default 5,000) sit in the temp directory; S of them (default
// 100) are saved each second the way aMule saves (.part.met.backup written,
// renamed over the .part.met, copied to .part.met.bak); the list holds M
// records (default 100,000). The churn lasts T seconds (default 30); the
// memory is sampled every K seconds (default 5). A second watch over an empty
// temp directory gives the memory the downloads take.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using kv::bench::ArgValue;
using Clock = std::chrono::steady_clock;
using kv::bench::Rng;
using kv::bench::Seconds;

std::array<uint8_t, 16> RandomHash(Rng& rng) {
    std::array<uint8_t, 16> h{};
    for (auto& b : h) b = static_cast<uint8_t>(rng.Next() >> 24);
    return h;
}

std::string MetName(int n) { return std::to_string(1000 + n) + ".part.met"; }

// A 700 MB download as the clients keep it: 72 part hashes, some gaps.
std::string PartMet(const std::array<uint8_t, 16>& hash, int n) {
    kv::test::PartMetLayout layout{.hash = hash, .name = "Some.Movie." + std::to_string(n) + ".avi", .size = 734003200,
                                   .extraTags = {}};
    layout.partHashCount = 72;
    for (int g = 0; g < 8; ++g) {
        layout.extraTags.push_back(kv::test::TagGap(true, g, uint64_t(g) * 90000000, false));
        layout.extraTags.push_back(kv::test::TagGap(false, g, uint64_t(g) * 90000000 + 4000000, false));
    }
    return kv::test::BuildPartMet(layout);
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// CPU seconds the process has used so far (user + system), from /proc.
double CpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;  // state .. cmajflt
    long utime = 0, stime = 0;
    fields >> utime >> stime;
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

long RssKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

struct Watch {
    pid_t pid = -1;
    int err = -1;
};

// The watch with its findings discarded; returns once it says it is watching.
Watch StartWatch(const std::string& home) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    std::vector<std::string> store{KV_CLI_PATH, "--home", home, "watch"};
    std::vector<char*> argv;
    for (auto& a : store) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    Watch w;
    posix_spawn(&w.pid, KV_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    w.err = pipeFds[0];
    std::string said;
    char buffer[512];
    ssize_t n;
    while (said.find("Watching ") == std::string::npos && (n = ::read(w.err, buffer, sizeof buffer)) > 0)
        said.append(buffer, size_t(n));
    ::fcntl(w.err, F_SETFL, O_NONBLOCK);  // whatever it says later is drained, not waited for
    return w;
}

void StopWatch(Watch& w) {
    ::kill(w.pid, SIGTERM);
    int status = 0;
    ::waitpid(w.pid, &status, 0);
    ::close(w.err);
}

// Runs cat over the files with its output discarded; returns its CPU seconds.
double CatCpu(const std::vector<std::string>& files) {
    std::vector<std::string> store{"cat"};
    store.insert(store.end(), files.begin(), files.end());
    std::vector<char*> argv;
    for (auto& a : store) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    posix_spawnp(&pid, "cat", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const auto secs = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return secs(usage.ru_utime) + secs(usage.ru_stime);
}

void Drain(int fd) {
    char buffer[4096];
    while (::read(fd, buffer, sizeof buffer) > 0) {}
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // a long run's samples show as they come
    const int downloads = ArgValue(argc, argv, "--downloads", 5000);
    const int rate = ArgValue(argc, argv, "--rate", 100);
    const int records = ArgValue(argc, argv, "--records", 100000);
    const int seconds = ArgValue(argc, argv, "--seconds", 30);
    const int sampleEvery = std::max(1, ArgValue(argc, argv, "--sample-every", 5));

    kv::test::ScopedTempDir root;
    const std::string home = root.File("home"), temp = root.File("temp"), empty = root.File("empty");
    for (const auto& d : {home, temp, empty}) fs::create_directories(d);
    Rng rng;
    std::string list;
    for (int i = 0; i < records; ++i)
        list += kv::ToUpperAscii(kv::HashText(RandomHash(rng).data())) + ",734003200,Fake number " + std::to_string(i) + "\r\n";
    WriteFile(home + "/FAKES.DAT", list);
    std::vector<std::string> mets;
    for (int n = 0; n < downloads; ++n) mets.push_back(PartMet(RandomHash(rng), n));
    for (int n = 0; n < downloads; ++n) WriteFile(temp + "/" + MetName(n), mets[size_t(n)]);

    // The memory the watch takes without downloads, for the share of each.
    WriteFile(home + "/Kestrivane.ini", "[eMule]\nTempDir=" + empty + "\n");
    Watch bare = StartWatch(home);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long bareRss = RssKiB(bare.pid);
    StopWatch(bare);

    WriteFile(home + "/Kestrivane.ini", "[eMule]\nTempDir=" + temp + "\n");
    const auto started = Clock::now();
    Watch watch = StartWatch(home);
    std::printf("%d downloads, %d records: watching after %.2f s, %ld KiB resident (%ld KiB without downloads: "
                "%.0f bytes per download)\n",
                downloads, records, std::chrono::duration<double>(Clock::now() - started).count(), RssKiB(watch.pid), bareRss,
                downloads ? double(RssKiB(watch.pid) - bareRss) * 1024.0 / downloads : 0.0);
    std::this_thread::sleep_for(std::chrono::seconds(1));

    const double cpuBefore = CpuSeconds(watch.pid);
    double catCpu = 0;
    int next = 0;
    const auto churn = Clock::now();
    for (int second = 0; second < seconds; ++second) {
        std::vector<std::string> changed;
        for (int i = 0; i < rate; ++i, next = (next + 1) % downloads) {
            const std::string met = temp + "/" + MetName(next);
            WriteFile(met + ".backup", mets[size_t(next)]);
            fs::rename(met + ".backup", met);
            fs::copy_file(met, met + ".bak", fs::copy_options::overwrite_existing);
            changed.push_back(met);
            std::this_thread::sleep_until(churn + std::chrono::microseconds(
                                                      (int64_t(second) * rate + i + 1) * 1000000 / rate));
        }
        catCpu += CatCpu(changed);
        Drain(watch.err);
        if ((second + 1) % sampleEvery == 0)
            std::printf("  after %3d s of churn: %ld KiB resident\n", second + 1, RssKiB(watch.pid));
    }
    const double churnSeconds = std::chrono::duration<double>(Clock::now() - churn).count();
    std::this_thread::sleep_for(std::chrono::seconds(3));  // the last burst is read
    const double watchCpu = CpuSeconds(watch.pid) - cpuBefore;
    std::printf("%d saves a second for %.0f s: watch %.3f s CPU (%.2f %% of a core), cat of the changed files "
                "%.3f s (%.2f %%)\n",
                rate, churnSeconds, watchCpu, 100.0 * watchCpu / churnSeconds, catCpu, 100.0 * catCpu / churnSeconds);
    StopWatch(watch);
    return 0;
}
