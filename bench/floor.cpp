// The floors as programs of their own, for timing whole commands side by
// side (farm-bench ... --vs 'kv_floor read FILE'):
//
//   kv_floor read FILE     the file read in 1 MiB blocks into one buffer
//   kv_floor check DIR [HEADS]
//                          the least I/O of a check of DIR: list it; open each
//                          *.met by name from the directory's handle and read
//                          it; pread the first 64 KiB of each .part named in
//                          the file HEADS (one a line: the heads that arrived,
//                          the only ones a check reads)
//   kv_floor check-parallel DIR [HEADS [THREADS]]
//                          the same I/O on THREADS threads (default 16, as
//                          many as the check uses): the floor of a check
//                          on a cold cache
//   kv_floor links LIST PASTE
//                          the least a first link check does: the list's keys
//                          loaded and sorted, each pasted link's hash looked
//                          up and its row printed
//   kv_floor keys LIST KEPT
//                          writes the list's sorted keys to KEPT (a floor's own kept index)
//   kv_floor links-kept KEPT PASTE
//                          the least a link check does with a kept index: the
//                          keys of KEPT mapped, each link looked up and printed
//   kv_floor evict PATH    takes the file, or a directory's files, out of the
//                          page cache: the next read comes from the disk
//   kv_floor drop-caches   as root: the page cache, dentries and inodes dropped
#include <cstdio>
#include <cstring>

#include "BenchSupport.h"

int main(int argc, char** argv) {
    using namespace kv::bench;
    const auto is = [&](const char* command, int least, int most) {
        return argc >= least && argc <= most && std::strcmp(argv[1], command) == 0;
    };
    if (is("read", 3, 3)) {
        std::printf("%zu bytes\n", ReadLoop(argv[2]));
        return 0;
    }
    if (is("check", 3, 4)) {
        const IoCount n = IoOnlyCheck(argv[2], argc == 4 ? HeadNames(argv[3]) : std::vector<std::string>{});
        std::printf("%zu .met files, %zu heads, %zu bytes\n", n.metFiles, n.heads, n.bytes);
        return 0;
    }
    if (is("check-parallel", 3, 5)) {
        const unsigned threads = argc == 5 ? static_cast<unsigned>(std::atoi(argv[4])) : 16;
        const IoCount n =
            IoOnlyCheckParallel(argv[2], argc >= 4 ? HeadNames(argv[3]) : std::vector<std::string>{}, threads);
        std::printf("%zu .met files, %zu heads, %zu bytes\n", n.metFiles, n.heads, n.bytes);
        return 0;
    }
    if (is("links", 4, 4)) {
        const KeyFloor keys = LoadKeysFloor(ReadAllFloor(argv[2]));
        const size_t links = LinkRowsFloor(keys.view(), ReadAllFloor(argv[3]), stdout);
        std::fprintf(stderr, "%zu keys, %zu links\n", keys.keys.size(), links);
        return 0;
    }
    if (is("keys", 4, 4)) return WriteKeptKeys(LoadKeysFloor(ReadAllFloor(argv[2])), argv[3]) ? 0 : 1;
    if (is("links-kept", 4, 4)) {
        const KeyView keys = MapKeptKeys(argv[2]);
        if (!keys.keys) return 1;
        std::fprintf(stderr, "%zu links\n", LinkRowsFloor(keys, ReadAllFloor(argv[3]), stdout));
        return 0;
    }
    if (is("evict", 3, 3)) {
        std::printf("%zu files evicted\n", Evict(argv[2]));
        return 0;
    }
    if (is("drop-caches", 2, 2)) return DropCaches() ? 0 : 1;
    std::fputs("usage: kv_floor read FILE | check DIR [HEADS] | check-parallel DIR [HEADS [THREADS]] | "
               "links LIST PASTE | keys LIST KEPT | links-kept KEPT PASTE | evict PATH | drop-caches\n",
               stderr);
    return 2;
}
