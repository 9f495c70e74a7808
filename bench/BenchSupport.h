#pragma once

// What the benchmarks share: a clock, a small reproducible random source,
// their "--name N" options, the floors every figure is compared with (the
// 1 MiB read loop of a file, the least I/O of a check) and a way
// to time a whole program with its own peak memory.
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <atomic>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <thread>
#include <vector>

extern char** environ;

namespace kv::bench {

// CPU time of this process (user and system: a warm read is the kernel's copy),
// which the other work on a shared machine disturbs far less than the wall
// clock. Kept as a clock, so that the benchmarks read like timed code.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
};

// A list's index is kept only when written past the file system's timestamp
// resolution (2 s) after the list last changed: waits until then.
inline void PastTimestampResolution(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return;
    for (;;) {
        timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const double age = static_cast<double>(now.tv_sec - st.st_ctim.tv_sec) + (now.tv_nsec - st.st_ctim.tv_nsec) / 1e9;
        if (age > 2.1) return;
        std::this_thread::sleep_for(std::chrono::duration<double>(2.1 - age));
    }
}
inline double Seconds(Clock::time_point from) { return Clock::now() - from; }

// The best of several rounds: the one least disturbed by the rest of the machine.
template <typename F>
double BestOf(int rounds, F&& run) {
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = Clock::now();
        run();
        best = std::min(best, Seconds(t0));
    }
    return best;
}

// xorshift64: the same data every run.
struct Rng {
    uint64_t x = 0x9E3779B97F4A7C15ULL;
    uint64_t Next() {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return x;
    }
};

inline int ArgValue(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

// Floor: the file read in 1 MiB blocks into one buffer. Returns the bytes read.
inline size_t ReadLoop(const std::string& path) {
    static std::vector<char> buffer(1 << 20);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    size_t total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += static_cast<size_t>(n);
    ::close(fd);
    return total;
}

// Floor of a link check: the least a program can do for it. The list read
// whole, the first 32 hex digits of each line its key, sorted and bucketed on
// their first 20 bits; each pasted line cut at its '|', the name and the hash
// taken, the hash looked up, and a row (number, name, verdict) written to out.
using Key = std::pair<uint64_t, uint64_t>;
constexpr size_t kKeyBuckets = (size_t{1} << 20) + 1;

// Sorted keys and where each bucket of them starts, wherever they are held.
struct KeyView {
    const Key* keys = nullptr;
    const uint32_t* buckets = nullptr;
};

struct KeyFloor {
    std::vector<Key> keys;
    std::vector<uint32_t> buckets;
    KeyView view() const { return {keys.data(), buckets.data()}; }
};

inline bool HexKeyFloor(const char* p, std::pair<uint64_t, uint64_t>& key) {
    uint64_t half[2] = {0, 0};
    for (int i = 0; i < 32; ++i) {
        const char c = p[i];
        const int v = c >= '0' && c <= '9' ? c - '0' : (c | 32) >= 'a' && (c | 32) <= 'f' ? (c | 32) - 'a' + 10 : -1;
        if (v < 0) return false;
        half[i / 16] = half[i / 16] << 4 | static_cast<uint64_t>(v);
    }
    key = {half[0], half[1]};
    return true;
}

inline std::string ReadAllFloor(const std::string& path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return bytes;
    bytes.resize_and_overwrite(static_cast<size_t>(st.st_size), [fd](char* p, size_t n) {
        size_t got = 0;
        for (ssize_t r; got < n && (r = ::read(fd, p + got, n - got)) > 0;) got += static_cast<size_t>(r);
        return got;
    });
    ::close(fd);
    return bytes;
}

inline KeyFloor LoadKeysFloor(const std::string& bytes) {
    KeyFloor f;
    for (size_t i = 0; i < bytes.size();) {
        size_t e = bytes.find('\n', i);
        if (e == std::string::npos) e = bytes.size();
        std::pair<uint64_t, uint64_t> key;
        if (e - i >= 32 && HexKeyFloor(bytes.data() + i, key)) f.keys.push_back(key);
        i = e + 1;
    }
    std::sort(f.keys.begin(), f.keys.end());
    f.buckets.assign(kKeyBuckets, 0);
    size_t k = 0;
    for (uint32_t b = 0; b <= (1u << 20); ++b) {
        while (k < f.keys.size() && (f.keys[k].first >> 44) < b) ++k;
        f.buckets[b] = static_cast<uint32_t>(k);
    }
    return f;
}

// The keys as a file of their own, the buckets first (a floor's kept index:
// mapped and used as it lies, nothing sorted or built again).
inline bool WriteKeptKeys(const KeyFloor& f, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const uint32_t pad = 0;  // the keys start 8-aligned
    bool ok = std::fwrite(f.buckets.data(), sizeof(uint32_t), f.buckets.size(), out) == f.buckets.size();
    ok = ok && std::fwrite(&pad, sizeof pad, 1, out) == 1;
    ok = ok && std::fwrite(f.keys.data(), sizeof(Key), f.keys.size(), out) == f.keys.size();
    return std::fclose(out) == 0 && ok;
}

// Maps a file of WriteKeptKeys; an empty view when it cannot.
inline KeyView MapKeptKeys(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || static_cast<size_t>(st.st_size) < (kKeyBuckets + 1) * sizeof(uint32_t))
        return {};
    void* map = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) return {};
    const auto* buckets = static_cast<const uint32_t*>(map);
    return {reinterpret_cast<const Key*>(buckets + kKeyBuckets + 1), buckets};
}

// Returns the links found in the paste.
inline size_t LinkRowsFloor(KeyView f, std::string_view paste, FILE* out) {
    std::string rows;
    size_t n = 0;
    for (size_t i = 0; i < paste.size();) {
        size_t e = paste.find('\n', i);
        if (e == std::string::npos) e = paste.size();
        const std::string_view line = paste.substr(i, e - i);
        i = e + 1;
        size_t bar[4], at = 0;
        int bars = 0;
        for (; bars < 4 && (at = line.find('|', at)) != std::string_view::npos; ++at) bar[bars++] = at;
        std::pair<uint64_t, uint64_t> key;
        if (bars < 4 || line.size() < bar[3] + 33 || !HexKeyFloor(line.data() + bar[3] + 1, key)) continue;
        const size_t b = key.first >> 44;
        bool listed = false;
        for (uint32_t q = f.buckets[b]; q < f.buckets[b + 1]; ++q) listed |= f.keys[q] == key;
        rows += std::to_string(++n);
        rows += '\t';
        rows += line.substr(bar[1] + 1, bar[2] - bar[1] - 1);
        rows += listed ? "\tFake\n" : "\t*** OK \n";
        if (rows.size() >= (1 << 16)) {
            std::fwrite(rows.data(), 1, rows.size(), out);
            rows.clear();
        }
    }
    std::fwrite(rows.data(), 1, rows.size(), out);
    return n;
}

// Floor: the least file I/O a check needs. Lists the directory once; opens
// each *.met by name from the directory's handle and reads it without asking
// its size (one read into a buffer that holds it); preads the first 64 KiB of
// the .part files named in heads, the downloads whose head has arrived, the
// only ones a check reads (a sparse .part that has nothing at its start is
// never opened).
struct IoCount {
    size_t metFiles = 0, heads = 0, bytes = 0;
};

inline size_t ReadNamedAt(int dirFd, const char* name, std::vector<char>& buffer, off_t at = -1, size_t most = 0) {
    const int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    const size_t want = most ? std::min(most, buffer.size()) : buffer.size();
    const ssize_t n = at < 0 ? ::read(fd, buffer.data(), want) : ::pread(fd, buffer.data(), want, at);
    ::close(fd);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

// The names of the *.met files, as a check lists them (the backups beside them are passed over).
inline std::vector<std::string> MetFiles(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const size_t length = std::strlen(e->d_name);
            if (length >= 4 && std::strcmp(e->d_name + length - 4, ".met") == 0) names.emplace_back(e->d_name);
        }
        ::closedir(d);
    }
    return names;
}

// The .part names of the downloads whose head has arrived, one a line (as
// the benchmarks write them beside the temp directory).
inline std::vector<std::string> HeadNames(const std::string& file) {
    std::vector<std::string> names;
    if (FILE* f = std::fopen(file.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, f)) {
            line[std::strcspn(line, "\n")] = 0;
            if (*line) names.emplace_back(line);
        }
        std::fclose(f);
    }
    return names;
}

inline IoCount IoOnlyCheck(const std::string& dir, const std::vector<std::string>& heads) {
    IoCount count;
    static std::vector<char> buffer(1 << 16);
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return count;
    for (const std::string& name : MetFiles(dir)) {
        count.bytes += ReadNamedAt(dirFd, name.c_str(), buffer);
        ++count.metFiles;
    }
    for (const std::string& name : heads) {
        count.bytes += ReadNamedAt(dirFd, name.c_str(), buffer, 0, 65536);
        ++count.heads;
    }
    ::close(dirFd);
    return count;
}

// Floor, cold: the same I/O as IoOnlyCheck on `threads` threads, each taking
// the next file as it is done. What the disk gives when asked many things at once.
inline IoCount IoOnlyCheckParallel(const std::string& dir, const std::vector<std::string>& heads, unsigned threads) {
    std::vector<std::string> names = MetFiles(dir);
    const size_t mets = names.size();
    names.insert(names.end(), heads.begin(), heads.end());
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return {};
    std::atomic<size_t> next{0}, bytes{0};
    const auto run = [&] {
        std::vector<char> buffer(1 << 16);
        for (size_t i; (i = next++) < names.size();)
            bytes += i < mets ? ReadNamedAt(dirFd, names[i].c_str(), buffer)
                              : ReadNamedAt(dirFd, names[i].c_str(), buffer, 0, 65536);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < std::max(threads, 1u); ++t) pool.emplace_back(run);
    for (auto& t : pool) t.join();
    ::close(dirFd);
    return {mets, heads.size(), bytes};
}

// A cold machine has nothing of the directory cached: file data, directory
// entries and inodes all dropped. Only root may; false otherwise (and then
// nothing is measured cold).
inline bool DropCaches() {
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool done = ::write(fd, "3\n", 2) == 2;
    ::close(fd);
    return done;
}

// Takes the files of a directory (or one file) out of the page cache, so that
// the next read of them comes from the disk. Needs no privileges for one's own files.
inline size_t Evict(const std::string& path) {
    size_t evicted = 0;
    const auto drop = [&](const std::string& file) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        ::fdatasync(fd);
        evicted += ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
        ::close(fd);
    };
    DIR* d = ::opendir(path.c_str());
    if (!d) {
        drop(path);
        return evicted;
    }
    while (const dirent* e = ::readdir(d))
        if (e->d_type == DT_REG) drop(path + "/" + e->d_name);
    ::closedir(d);
    return evicted;
}

// A whole program's run: its CPU time (user and system, as the kernel
// accounts for the finished child), its own peak resident memory and its
// exit status.
struct Run {
    double seconds = 0;
    double wall = 0;  // from start to exit, for what waits on the disk
    long peakKiB = -1;
    int status = -1;
};

// The launcher: a fresh copy of the benchmark ("--launch PROGRAM ARGS...")
// forks and runs the program and reports on it. The peak of a child spawned
// straight from the benchmark would count the benchmark's own memory, which
// its data makes large. Call first in main; returns -1 when not launching.
inline int LaunchMode(int argc, char** argv) {
    if (argc < 3 || std::strcmp(argv[1], "--launch") != 0) return -1;
    timespec start{}, end{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(argv[2], argv + 2);
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    ::clock_gettime(CLOCK_MONOTONIC, &end);
    const auto cpu = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    const double wall = static_cast<double>(end.tv_sec - start.tv_sec) + static_cast<double>(end.tv_nsec - start.tv_nsec) * 1e-9;
    std::printf("%.6f %ld %d %.6f\n", cpu(usage.ru_utime) + cpu(usage.ru_stime), usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1, wall);
    return 0;
}

inline Run RunProgram(const std::vector<std::string>& args) {
    std::vector<std::string> store{"/proc/self/exe", "--launch"};
    store.insert(store.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : store) argv.push_back(a.data());
    argv.push_back(nullptr);
    int fds[2];
    if (::pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    Run run;
    char text[128] = {};
    const ssize_t n = rc == 0 ? ::read(fds[0], text, sizeof text - 1) : -1;
    ::close(fds[0]);
    if (rc == 0) ::waitpid(pid, nullptr, 0);
    if (n > 0) std::sscanf(text, "%lf %ld %d %lf", &run.seconds, &run.peakKiB, &run.status, &run.wall);
    return run;
}

// Wall seconds of f.
template <typename F>
double WallSeconds(F&& f) {
    timespec start{}, end{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    f();
    ::clock_gettime(CLOCK_MONOTONIC, &end);
    return static_cast<double>(end.tv_sec - start.tv_sec) + static_cast<double>(end.tv_nsec - start.tv_nsec) * 1e-9;
}

inline double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The best time of several runs, with the largest peak among them; before
// each, `before` (say, to remove what the last run left).
template <typename F>
Run BestRun(int rounds, const std::vector<std::string>& args, F&& before) {
    Run best;
    best.seconds = 1e9;
    for (int r = 0; r < rounds; ++r) {
        before();
        const Run run = RunProgram(args);
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakKiB = std::max(best.peakKiB, run.peakKiB);
        best.status = run.status;
    }
    return best;
}

inline Run BestRun(int rounds, const std::vector<std::string>& args) {
    return BestRun(rounds, args, [] {});
}

}  // namespace kv::bench
