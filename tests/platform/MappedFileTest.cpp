#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "platform/MappedFile.h"

using namespace kv;

namespace {

constexpr size_t kLarge = size_t{4} << 20;  // mapped, not read

std::string Pattern(size_t n, char first) {
    std::string s(n, first);
    for (size_t i = 0; i < n; i += 4096) s[i] = static_cast<char>(first + 1);
    return s;
}

// Written over in place, as cp does: cut to nothing, then the new bytes.
void CopyOver(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

size_t Sum(std::string_view v) {
    size_t sum = 0;
    for (size_t i = 0; i < v.size(); i += 512) sum += static_cast<unsigned char>(v[i]);
    return sum;
}

}  // namespace

// A mapped file cut short or rewritten in place is read on to its old end without the process being stopped (what
// lies past the new end reads as zeros) and says it changed; one renamed over keeps its bytes and has not changed;
// a small file is read, never changes.
TEST(MappedFile, ChangedInPlaceReadsOnAndSaysSo) {
    test::ScopedTempDir dir;
    const std::string old = Pattern(kLarge, 'a');
    struct Case {
        const char* name;
        std::string after;  // written in place; "" for renamed over
        bool changed;
    } cases[] = {{"cut to nothing", std::string(), true}, {"half as long", Pattern(kLarge / 2, 'x'), true},
                 {"renamed over", "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("list.dat", old);
        for (const bool populate : {true, false}) {
            std::optional<FileBytes> bytes = FileBytes::Open(path, UINT64_MAX, populate);
            ASSERT_TRUE(bytes);
            ASSERT_EQ(bytes->view().size(), kLarge);
            EXPECT_FALSE(bytes->Changed());
            if (c.changed) {
                CopyOver(path, c.after);
            } else {
                dir.Write("new.dat", Pattern(kLarge, 'n'));
                std::filesystem::rename(dir.File("new.dat"), path);
            }
            const std::string_view view = bytes->view();
            ASSERT_EQ(view.size(), kLarge);
            const size_t sum = Sum(view);  // every page, past the new end too
            EXPECT_EQ(bytes->Changed(), c.changed);
            if (!c.changed) EXPECT_EQ(sum, Sum(old));
            else EXPECT_EQ(view.back(), '\0');
            dir.Write("list.dat", old);
        }
    }
    const std::string small = dir.Write("small.dat", "abc");
    const std::optional<FileBytes> read = FileBytes::Open(small);
    ASSERT_TRUE(read);
    CopyOver(small, "");
    EXPECT_EQ(read->view(), "abc");
    EXPECT_FALSE(read->Changed());
}

// Only the program's own mappings are spared: a fault in any other mapping still stops the process as before.
TEST(MappedFileDeathTest, AForeignFaultStillStopsTheProcess) {
    test::ScopedTempDir dir;
    const std::string path = dir.Write("list.dat", Pattern(kLarge, 'a'));
    const std::optional<FileBytes> ours = FileBytes::Open(path);  // the guard is in place
    ASSERT_TRUE(ours);
    const std::string other = dir.Write("other.dat", Pattern(kLarge, 'b'));
    EXPECT_EXIT(
        {
            FILE* f = std::fopen(other.c_str(), "r+");
            void* map = ::mmap(nullptr, kLarge, PROT_READ, MAP_SHARED, fileno(f), 0);
            if (map == MAP_FAILED || ::ftruncate(fileno(f), 0) != 0) std::_Exit(3);
            std::printf("%d", static_cast<volatile const char*>(map)[kLarge - 1]);
            std::_Exit(0);
        },
#if defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer takes the signal itself, reports it and exits.
        ::testing::ExitedWithCode(1), "AddressSanitizer: BUS");
#else
        ::testing::KilledBySignal(SIGBUS), "");
#endif
}
