// Verdicts: content against the name, name rules, zero parts, the arrived
// head of a .part and the whole download.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Samples.h"
#include "TempDir.h"
#include "inspect/Inspect.h"

namespace kv::inspect {
namespace {

using test::Sample;
using Opt = std::optional<std::string>;

TEST(InspectName, ProgramsBehindMediaNamesAndBlanks) {
    const auto posing = [](const std::string& as, const std::string& ends) {
        return "a program posing as " + as + ": the name ends in " + ends;
    };
    const struct { std::string name; Opt reason; } rows[] = {
        {"Movie.AVI.SCR", posing("AVI video", ".AVI.SCR")}, {"paper.doc.lnk", posing("a document", ".doc.lnk")},
        {"photo.jpg .exe", posing("a JPEG image", ".jpg, 1 blank and .exe")},
        {"Film.2009.avi.url", posing("AVI video", ".avi.url")}, {"Song.mp3.pif", posing("MP3 audio", ".mp3.pif")},
        {"movie.avi\xC2\xA0\xE2\x80\x83.pif", posing("AVI video", ".avi, 2 blanks and .pif")},
        {"movie       .exe", "a program hidden behind blanks: the name has 7 blanks before .exe"},
        {"holiday\xE2\x80\xAEgpj.exe", "the name hides its real extension behind a right-to-left mark"},
        {"setup.exe", {}}, {"program.part1.exe", {}}, {"Shrek 2 .exe", {}}, {"movie.avi.exe.part", {}}, {"", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(InspectName(row.name), row.reason) << row.name;
}

TEST(ZeroParts, HalfTheFullPartsEmptyIsMostlyZeros) {
    const Ed2kHash z = ZeroPartHash(), x = *Ed2kHash::FromHex("0123456789abcdef0123456789abcdef");
    const Ed2kHash empty = *Ed2kHash::FromHex("31d6cfe0d16ae931b73c59d7e0c089c0");
    const struct { std::vector<Ed2kHash> hashes; uint64_t size; Opt reason; } rows[] = {
        {{z, z, x, x}, 3 * kPartSize + 1000, "the published file is mostly zeros (2 of 3 parts are empty)"},
        {{z, x, empty}, 2 * kPartSize, "the published file is mostly zeros (1 of 2 parts are empty)"},
        {{z, x, x, x}, 3 * kPartSize + 1000, {}},
        {{x, x, z}, 2 * kPartSize + 5, {}},  // the short last part is no full part
        {{z, z}, 5 * kPartSize, {}},  // the list does not cover the parts
    };
    for (const auto& row : rows) EXPECT_EQ(InspectPartHashes(row.hashes, row.size), row.reason);
    EXPECT_EQ(ZeroPartHash().ToHex(), "d7def262a127cd79096a108e7a9fc138");
    EXPECT_FALSE(HoldsZeroPart({x, empty}));  // the empty file's hash is no zero part
}

TEST(ReadArrivedHead, LeadingRunOfPresentBytes) {
    test::ScopedTempDir dir;
    std::string bytes(100000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    const auto file = [&](size_t n) { return dir.Write("f" + std::to_string(n), bytes.substr(0, n)); };
    std::vector<ByteRange> many;
    for (uint64_t i = 0; i < 100000; ++i) many.push_back({200000 - i, 200001 - i});
    many.push_back({8000, 8001});
    const struct { size_t length; uint64_t size; std::vector<ByteRange> gaps; std::optional<size_t> got; } rows[] = {
        {100000, 1 << 20, {}, 65536},
        {5000, 1 << 20, {}, 5000},   // the rest is past the .part's end
        {3000, 1 << 20, {}, {}},
        {100000, 1 << 20, {{9000, 9100}, {6000, 7000}}, 6000},
        {100000, 1 << 20, {{3000, 4000}}, {}},
        {100000, 1 << 20, {{5000, 10}, {100, 100}}, 65536},  // reversed and empty: nothing missing
        {100000, 10000, {{20000, 30000}}, 10000},
        {100000, 1 << 20, many, 8000},
        {100, 100, {}, 100},
        {100, 0, {}, {}},
    };
    for (const auto& row : rows) {
        const auto head = ReadArrivedHead(file(row.length), row.gaps, row.size);
        ASSERT_EQ(head.has_value(), row.got.has_value()) << row.length << " " << row.size;
        if (head) {
            EXPECT_EQ(*head, bytes.substr(0, *row.got));
        }
    }
}

TEST(ReadArrivedHead, OnlyRegularReadableFiles) {
    test::ScopedTempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // no writer: a blocking open would hang
    const std::string locked = dir.Write("locked", std::string(8192, 'x'));
    chmod(locked.c_str(), 0);
    for (const std::string& path : {dir.path(), fifo, dir.File("missing")})
        EXPECT_FALSE(ReadArrivedHead(path, {}, 1 << 20)) << path;
    EXPECT_EQ(ReadArrivedHead(locked, {}, 1 << 20).has_value(), geteuid() == 0);  // root reads anything
}

// The strongest finding wins; options turn detectors off.
TEST(JudgeDownload, StrongestFindingOfNameZerosAndArrivedContent) {
    test::ScopedTempDir dir;
    const std::string drm = test::LockWithDrm(Sample("wmv"), "http://l/", false);
    const std::vector<Ed2kHash> zeros(4, ZeroPartHash());
    const Suspicion mostlyZeros{Strength::MostlyZeros, "the published file is mostly zeros (3 of 3 parts are empty)"};
    const uint64_t big = 3 * kPartSize + 77;
    const InspectOptions noContent{.content = false};
    const struct { std::string name, head; uint64_t size; std::vector<Ed2kHash> hashes;
                   InspectOptions options; std::optional<Suspicion> found; } rows[] = {
        {"film.avi.exe", drm, big, zeros, {},
         Suspicion{Strength::ProgramName, "a program posing as AVI video: the name ends in .avi.exe"}},
        {"film.avi", drm, big, zeros, noContent, mostlyZeros},
        {"film.avi", Sample("zip"), big, zeros, {},
         Suspicion{Strength::ArchiveAsMedia, "claims AVI video, the data is a ZIP archive"}},
        {"film.avi", Sample("avi"), big, zeros, {}, mostlyZeros},  // stronger than the padding
    };
    for (const auto& row : rows) {
        const auto d = test::LayOut(dir.path(), row.name, row.head, row.size, {}, row.hashes);
        EXPECT_EQ(JudgeDownload(d.download, d.partPath, row.options), row.found) << row.name;
    }
    EXPECT_EQ(PartPathOf("/t/001.part.met"), "/t/001.part");
    EXPECT_EQ(PartPathOf("/t/001.part.met.bak"), "/t/001.part");
}

}  // namespace
}  // namespace kv::inspect
