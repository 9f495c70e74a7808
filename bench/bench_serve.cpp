// Measures kestrivane-cli serve beside a client with many downloads: its CPU
// while nothing happens (a page open on the events stream), and its resident
// memory over a run of events (a new fake and a download gone every second, the
// page fetching the findings after each). Prints figures against the goals;
// nothing is asserted.
//
//   kv_bench_serve [--downloads N] [--records M] [--settle-seconds S] [--idle-seconds I] [--seconds T]
//                  [--sample-every K]
//
// N downloads (default 5,000) in the temp directory, a list of M records
// (default 100,000); CPU measured over I idle seconds (default 60), events for
// T seconds (default 600), memory sampled every K seconds (default 30). The
// idle time starts S seconds (default 40) after the first check.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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
#include "platform/Socket.h"

extern char** environ;

namespace {

using kv::bench::ArgValue;
using kv::bench::Rng;

std::array<uint8_t, 16> RandomHash(Rng& rng) {
    std::array<uint8_t, 16> h{};
    for (auto& b : h) b = static_cast<uint8_t>(rng.Next() >> 24);
    return h;
}

std::string PartMet(const std::array<uint8_t, 16>& hash, int n) {
    kv::test::PartMetLayout layout{.hash = hash, .name = "Some.Movie." + std::to_string(n) + ".avi", .size = 734003200,
                                   .extraTags = {}};
    layout.partHashCount = 72;
    return kv::test::BuildPartMet(layout);
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

double CpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;
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

// One request on a connection of its own, read to its end.
std::string Ask(uint16_t port, const std::string& request) {
    kv::net::Socket s = kv::net::Connect("127.0.0.1", port);
    ::send(static_cast<int>(s.Get()), request.data(), request.size(), MSG_NOSIGNAL);
    std::string in;
    char buffer[65536];
    for (ssize_t n; (n = ::recv(static_cast<int>(s.Get()), buffer, sizeof buffer, 0)) > 0;) in.append(buffer, size_t(n));
    return in;
}

void Drain(int fd) {
    char buffer[65536];
    while (::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {}
}

}  // namespace

int main(int argc, char** argv) {
    const int downloads = ArgValue(argc, argv, "--downloads", 5000);
    const int records = ArgValue(argc, argv, "--records", 100000);
    const int idleSeconds = ArgValue(argc, argv, "--idle-seconds", 60);
    const int seconds = ArgValue(argc, argv, "--seconds", 600);
    const int sampleEvery = std::max(1, ArgValue(argc, argv, "--sample-every", 30));
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    kv::test::ScopedTempDir home, temp;
    Rng rng;
    std::string list;
    for (int i = 0; i < records; ++i)
        list += kv::ToUpperAscii(kv::HashText(RandomHash(rng).data())) + ",734003200,Listed fake " + std::to_string(i) + "\r\n";
    const auto fake = RandomHash(rng);
    list += kv::ToUpperAscii(kv::HashText(fake.data())) + ",734003200,The planted fake\r\n";
    WriteFile(home.File("FAKES.DAT"), list);
    WriteFile(home.File("Kestrivane.ini"), "[eMule]\nTempDir=" + temp.path() + "\n");
    for (int n = 0; n < downloads; ++n) WriteFile(temp.File(std::to_string(1000 + n) + ".part.met"), PartMet(RandomHash(rng), n));

    int out[2];
    if (::pipe(out) != 0) return 1;
    std::vector<std::string> store{KV_CLI_PATH, "--home", home.path(), "serve", "--listen", "127.0.0.1:0"};
    std::vector<char*> args;
    for (auto& a : store) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    posix_spawn(&pid, KV_CLI_PATH, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string url;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') url += c;
    const uint16_t port = static_cast<uint16_t>(std::stoi(url.substr(url.rfind(':') + 1)));
    const std::string token = url.substr(url.find("?token=") + 7);
    const std::string auth = "Host: 127.0.0.1\r\nAuthorization: Bearer " + token + "\r\n";
    // Settled: the first check and the watch's first pass done.
    while (Ask(port, "GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n").find("\"watching\":true,\"check\":\"ok\"") ==
           std::string::npos)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // And past the start's own aftermath: the settings written once, the list's
    // index kept once the list is old enough, the check that follows.
    std::this_thread::sleep_for(std::chrono::seconds(ArgValue(argc, argv, "--settle-seconds", 40)));

    // A page open: its events stream.
    kv::net::Socket events = kv::net::Connect("127.0.0.1", port);
    const std::string subscribe = "GET /api/v1/events HTTP/1.1\r\n" + auth + "\r\n";
    ::send(static_cast<int>(events.Get()), subscribe.data(), subscribe.size(), MSG_NOSIGNAL);

    const double cpu0 = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double idleCpu = CpuSeconds(pid) - cpu0;
    const double percent = 100.0 * idleCpu / idleSeconds;
    std::printf("serve idle, %d downloads, %d records, a page open, %d s: %.3f CPU s = %.3f %% of a core "
                "(goal 0.2 %%: %.2f x of it; resolution %.2f %%)\n",
                downloads, records, idleSeconds, idleCpu, percent, percent / 0.2, 100.0 / sysconf(_SC_CLK_TCK) / idleSeconds);

    // Events: a new fake comes and an older one goes each second; the page fetches the table after each.
    std::vector<long> rss;
    const long start = RssKiB(pid);
    for (int s = 0; s < seconds; ++s) {
        WriteFile(temp.File("9" + std::to_string(s) + ".part.met"), PartMet(fake, s));
        if (s >= 5) std::filesystem::remove(temp.File("9" + std::to_string(s - 5) + ".part.met"));
        std::this_thread::sleep_for(std::chrono::seconds(1));
        Drain(static_cast<int>(events.Get()));
        if (s % 5 == 0) Ask(port, "GET /api/v1/findings HTTP/1.1\r\n" + auth + "Connection: close\r\n\r\n");
        if (s % sampleEvery == 0) rss.push_back(RssKiB(pid));
    }
    rss.push_back(RssKiB(pid));
    const long peak = *std::max_element(rss.begin(), rss.end());
    const double eventCpu = CpuSeconds(pid) - cpu0 - idleCpu;
    std::printf("serve memory over %d s of events (one new fake and one gone a second): start %.1f MiB, "
                "first sample %.1f, last %.1f, peak %.1f MiB; last / first %.2f x\n",
                seconds, start / 1024.0, rss.front() / 1024.0, rss.back() / 1024.0, peak / 1024.0,
                double(rss.back()) / double(rss.front()));
    std::printf("serve CPU over the events: %.2f s = %.2f %% of a core\n", eventCpu, 100.0 * eventCpu / seconds);
    std::printf("samples (MiB):");
    for (const long k : rss) std::printf(" %.1f", k / 1024.0);
    std::printf("\n");
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return 0;
}
