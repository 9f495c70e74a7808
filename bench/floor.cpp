// The floors as programs of their own, for timing whole commands side by
// side (farm-bench ... --vs 'kv_floor read FILE'):
//
//   kv_floor read FILE     the file read in 1 MiB blocks into one buffer
//   kv_floor check DIR     the I/O of a check of DIR and nothing else: list it;
//                          open, fstat, read, close each *.met; pread the first
//                          64 KiB of the .part beside it where there is one
//   kv_floor check-parallel DIR [THREADS]
//                          the same I/O on THREADS threads (default 16, as
//                          many as the check uses): the floor of a check
//                          on a cold cache
//   kv_floor links LIST PASTE
//                          the least a link check does: the list's keys
//                          loaded and sorted, each pasted link's hash looked
//                          up and its row printed (PASTE /dev/null: the load)
//   kv_floor evict PATH    takes the file, or a directory's files, out of the
//                          page cache: the next read comes from the disk
#include <cstdio>
#include <cstring>

#include "BenchSupport.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "read") == 0) {
        std::printf("%zu bytes\n", kv::bench::ReadLoop(argv[2]));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
        const kv::bench::IoCount n = kv::bench::IoOnlyCheck(argv[2]);
        std::printf("%zu .met files, %zu heads, %zu bytes\n", n.metFiles, n.heads, n.bytes);
        return 0;
    }
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "check-parallel") == 0) {
        const unsigned threads = argc == 4 ? static_cast<unsigned>(std::atoi(argv[3])) : 16;
        const kv::bench::IoCount n = kv::bench::IoOnlyCheckParallel(argv[2], threads);
        std::printf("%zu .met files, %zu heads, %zu bytes\n", n.metFiles, n.heads, n.bytes);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "links") == 0) {
        const kv::bench::KeyFloor keys = kv::bench::LoadKeysFloor(kv::bench::ReadAllFloor(argv[2]));
        const size_t links = kv::bench::LinkRowsFloor(keys, kv::bench::ReadAllFloor(argv[3]), stdout);
        std::fprintf(stderr, "%zu keys, %zu links\n", keys.keys.size(), links);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "evict") == 0) {
        std::printf("%zu files evicted\n", kv::bench::Evict(argv[2]));
        return 0;
    }
    std::fputs("usage: kv_floor read FILE | check DIR | check-parallel DIR [THREADS] | links LIST PASTE | evict PATH\n", stderr);
    return 2;
}
