#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "clients/TempDir.h"

using namespace kv;
using Rows = std::vector<std::string>;

namespace fs = std::filesystem;

// What the listing takes from a temp directory, one case a row: the names
// created (a trailing '/' makes a directory, "name>target" a symbolic link),
// with and without the backup copies.
TEST(ListMetFiles, TakesRegularMetFilesAndStandInBackups) {
    struct Row { const char* name; Rows entries, listed, withBackups; };
    for (const Row& row : std::vector<Row>{
             {"any case, sorted", {"2.part.met", "1.PART.MET", "3.Part.Met", "x.txt"},
              {"1.PART.MET", "2.part.met", "3.Part.Met"}, {"1.PART.MET", "2.part.met", "3.Part.Met"}},
             {"sorted by their bytes, long names alike in their first ones too",
              {"Download 2.part.met", "Download 10.part.met", "Download 1.part.met", "\xC3\x9C.met", "Z.met",
               "Downloa.met"},
              {"Downloa.met", "Download 1.part.met", "Download 10.part.met", "Download 2.part.met", "Z.met",
               "\xC3\x9C.met"},
              {"Downloa.met", "Download 1.part.met", "Download 10.part.met", "Download 2.part.met", "Z.met",
               "\xC3\x9C.met"}},
             {"only regular files", {"dir.met/", "ok.met", "to-ok.met>ok.met", "dangling.met>none"},
              {"ok.met", "to-ok.met"}, {"ok.met", "to-ok.met"}},
             {"a backup stands in only for a missing .part.met",
              {"1.part.met", "1.part.met.bak", "2.part.met.backup", "3.part.met.tmp"}, {"1.part.met"},
              {"1.part.met", "2.part.met.backup"}},
             {".bak wins over .backup, whatever their case", {"4.part.met.BACKUP", "4.part.met.Bak"}, {},
              {"4.part.met.Bak"}},
             {"backups must be files", {"5.part.met.bak/"}, {}, {}},
             {"stand-ins sorted in among the .part.met files",
              {"10.part.met", "10.part.met.bak", "2.part.met.backup", "2.part.met.bak", "3.part.met",
               "3.part.met.backup", "1.part.met.backup"},
              {"10.part.met", "3.part.met"}, {"1.part.met.backup", "10.part.met", "2.part.met.bak", "3.part.met"}},
             // "ab" sorts before "ab!", but "ab!.part..." before "ab.part...": ordered by the names themselves.
             {"ordered by name, not by part name", {"ab.part.met.bak", "ab!.part.met.bak", "ab.part.met.backup"}, {},
              {"ab!.part.met.bak", "ab.part.met.bak"}}}) {
        test::ScopedTempDir dir;
        Row expected = row;
        for (const std::string& e : row.entries) {
            if (const size_t arrow = e.find('>'); arrow != std::string::npos) {
#ifdef _WIN32
                // No symbolic links on Windows (MinGW's library cannot make them): the row without its links.
                for (Rows* rows : {&expected.listed, &expected.withBackups}) std::erase(*rows, e.substr(0, arrow));
#else
                fs::create_symlink(dir.File(e.substr(arrow + 1)), dir.File(e.substr(0, arrow)));
#endif
            } else if (e.ends_with('/'))
                fs::create_directory(dir.File(e.substr(0, e.size() - 1)));
            else
                dir.Write(e, "x");
        }
        EXPECT_EQ(ListMetFiles(dir.path()), expected.listed) << row.name;
        EXPECT_EQ(ListMetFiles(dir.path(), true), expected.withBackups) << row.name;
    }
    EXPECT_FALSE(ListMetFiles("/nonexistent/kestrivane/temp"));
}
