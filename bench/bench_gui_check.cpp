// "Check Files" in the real window (offscreen) against `kestrivane-cli check
// --all` on the same temp directory, side by side, on data shaped as a user's:
// half of the downloads have their first 64 KiB arrived in the .part beside
// (the rest sparse), and the list holds 100,000 records. Both are timed the
// same way, as whole processes (CPU, start to exit, the rows laid out before
// the window exits), and each less its own start-up: the same process over a
// directory without downloads with the same list (the window opened and its
// check run). Also each process's peak memory. Prints; asserts nothing.
//
//   kv_bench_gui_check [--downloads N] [--rounds R]    (default: 5,000 and 20,000, 3 rounds)
//   kv_bench_gui_check --make-home DIR N               (only writes such a directory)
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "FindingsModel.h"
#include "MainWindow.h"
#include "PartMetBuilder.h"
#include "TempDir.h"

namespace {

using kv::bench::Clock;
using kv::bench::Run;
using kv::bench::RunProgram;
using kv::bench::Seconds;

double MiB(const Run& run) { return static_cast<double>(run.peakKiB) / 1024.0; }

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A program directory base/home with count downloads in base/temp: every tenth
// a listed fake, every seventh a program posing as a picture (a suspect), every
// other one with its head arrived; the list filled up to 100,000 records; and
// base/empty, the same list over a directory without downloads.
void MakeHome(const std::string& base, int count) {
    constexpr int kRecords = 100000;
    constexpr uint64_t kHead = 65536;
    std::string video(kHead, '\0'), program(kHead, '\0');
    video.replace(0, 16, std::string("RIFF\xF0\xFF\xFF\x0F" "AVI LIST", 16));
    program.replace(0, 2, "MZ");
    static const char* const kReasons[] = {"Fake: wrong film, dubbed", "Fake: only the trailer, looped",
                                           "Fake: advertising clip instead of the film", "Fake: password request"};
    std::string fakes;
    for (int i = 0; i < count; ++i) {
        kv::test::PartMetLayout meta;
        meta.name = i % 7 == 3 ? "Holiday Photos " + std::to_string(i) + ".jpg.exe"
                               : "Some.Film." + std::to_string(i) + ".German.DVDRip.XviD.avi";
        meta.size = 700000000u + static_cast<uint64_t>(i) * 1000u;
        meta.hash = kv::test::SequentialHash(static_cast<uint8_t>(i));
        meta.hash[13] = static_cast<uint8_t>(i >> 16), meta.hash[14] = static_cast<uint8_t>(i >> 8),
        meta.hash[15] = static_cast<uint8_t>(i);
        const bool arrived = i % 2 == 0;
        meta.extraTags = {kv::test::TagGap(true, 0, arrived ? kHead : 0, false),
                          kv::test::TagGap(false, 0, meta.size, false)};
        char file[40];
        std::snprintf(file, sizeof file, "/temp/%06d.part.met", i);
        WriteFile(base + file, kv::test::BuildPartMet(meta));
        std::snprintf(file, sizeof file, "/temp/%06d.part", i);
        WriteFile(base + file, arrived ? (i % 7 == 3 ? program : video) : "");
        std::filesystem::resize_file(base + file, meta.size);
        if (i % 10 == 0) {
            static const char* hex = "0123456789abcdef";
            std::string h;
            for (uint8_t b : meta.hash) h += hex[b >> 4], h += hex[b & 15];
            fakes += h + "," + std::to_string(meta.size) + "," + kReasons[(i / 10) % 4] + " (" + std::to_string(i) +
                     ")\r\n";
        }
    }
    kv::bench::Rng rng;
    for (int r = count / 10; r < kRecords; ++r) {
        char line[96];
        std::snprintf(line, sizeof line, "%016llx%016llx,%llu,Fake: advertising instead of the film (%d)\r\n",
                      static_cast<unsigned long long>(rng.Next()), static_cast<unsigned long long>(rng.Next()),
                      static_cast<unsigned long long>(rng.Next() % 4000000000ULL), r);
        fakes += line;
    }
    for (const std::string home : {"home", "empty"}) {
        WriteFile(base + "/" + home + "/FAKES.DAT", fakes);
        WriteFile(base + "/" + home + "/Kestrivane.ini", "[eMule]\r\nTempDir=" + base + (home == "home" ? "/temp" : "/none") +
                                                         "\r\n[Display]\r\nShowAllPartMet=YES\r\n");
    }
    WriteFile(base + "/none/readme.txt", "no downloads here");
}

// The child: opens the window on home, clicks "Check Files" and writes to
// secondsFile the CPU seconds from the click until every row is in the list
// and laid out; then exits. With expect 0 the check finds no rows (a home
// without downloads: the start-up and the list's load).
int RunWindow(int argc, char** argv, const std::string& home, int expect, const std::string& secondsFile) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kv::app::DesktopHooks hooks;
    hooks.messageBox = [](QWidget*, const QString&, kv::BoxIcon, const QString&) {};
    hooks.quit = [] {};
    kv::app::MainWindow window(home, hooks);
    window.show();
    QCoreApplication::processEvents();
    const auto start = Clock::now();
    window.cbCheckFiles()->click();
    while (window.Busy() || window.Model()->rowCount() < expect) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();  // the rows in sight painted once
    if (FILE* f = std::fopen(secondsFile.c_str(), "w")) std::fprintf(f, "%.6f\n", Seconds(start)), std::fclose(f);
    return window.Model()->rowCount() == expect ? 0 : 1;
}

double ReadSeconds(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "r");
    double s = 0;
    if (f) {
        if (std::fscanf(f, "%lf", &s) != 1) s = 0;
        std::fclose(f);
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    // Each program is run by a fresh copy of this one, so that its peak is its own.
    if (const int launched = kv::bench::LaunchMode(argc, argv); launched >= 0) return launched;
    if (argc >= 5 && std::string(argv[1]) == "--window")
        return RunWindow(argc, argv, argv[2], std::atoi(argv[3]), argv[4]);
    // The pictures of the documentation use such a directory too.
    if (argc >= 4 && std::string(argv[1]) == "--make-home") return MakeHome(argv[2], std::atoi(argv[3])), 0;
    const int only = kv::bench::ArgValue(argc, argv, "--downloads", 0);
    const int rounds = std::max(1, kv::bench::ArgValue(argc, argv, "--rounds", 3));
    const std::vector<int> sizes = only > 0 ? std::vector<int>{only} : std::vector<int>{5000, 20000};
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return 2;
    self[n] = 0;

    std::printf("%9s  %8s %8s %6s   %8s %8s %6s   %8s %8s %6s   %8s\n", "downloads", "CLI s", "window s", "ratio",
                "CLI -st", "win -st", "ratio", "CLI MiB", "win MiB", "ratio", "click s");
    for (const int count : sizes) {
        kv::test::ScopedTempDir root;
        MakeHome(root.path(), count);
        const std::string home = root.File("home"), empty = root.File("empty");
        const std::string secondsFile = root.File("seconds.txt");
        std::vector<double> cli, window, cliIdle, windowIdle, click;
        double cliPeak = 0, windowPeak = 0;
        for (int r = 0; r < rounds; ++r) {
            // Start-up of each, accounted alike: the same process over no downloads, the same list loaded.
            cliIdle.push_back(RunProgram({KV_CLI_PATH, "--home", empty, "check", "--all"}).seconds);
            windowIdle.push_back(RunProgram({self, "--window", empty, "0", secondsFile}).seconds);
            const Run c = RunProgram({KV_CLI_PATH, "--home", home, "check", "--all"});
            const Run w = RunProgram({self, "--window", home, std::to_string(count), secondsFile});
            cli.push_back(c.seconds), window.push_back(w.seconds), click.push_back(ReadSeconds(secondsFile));
            cliPeak = std::max(cliPeak, MiB(c)), windowPeak = std::max(windowPeak, MiB(w));
        }
        const double c = kv::bench::Median(cli), w = kv::bench::Median(window);
        const double cWork = c - kv::bench::Median(cliIdle), wWork = w - kv::bench::Median(windowIdle);
        std::printf("%9d  %8.3f %8.3f %5.2fx   %8.3f %8.3f %5.2fx   %8.1f %8.1f %5.2fx   %8.3f\n", count, c, w, w / c,
                    cWork, wWork, wWork / cWork, cliPeak, windowPeak, windowPeak / cliPeak, kv::bench::Median(click));
        std::fflush(stdout);
    }
    std::printf("CPU seconds, medians of the rounds. CLI s, window s: each whole process, start to exit (the window\n"
                "exits once the last row is laid out). -st: less the same process's start-up, a home without\n"
                "downloads with the same list. MiB: peak resident size. click s: the window from the click alone.\n");
    return 0;
}
