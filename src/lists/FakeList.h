#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/MappedFile.h"
#include "ed2k/Ed2kHash.h"

namespace kv {

// One record of a fake list: the line's three comma-separated fields.
// The largest list read: the index's offsets are 32 bits.
inline constexpr uint64_t kMaxFakeListBytes = UINT32_MAX;

struct FakeRecord {
    std::string_view hashText;     // field 1 as written (normally 32 hex digits)
    std::string_view sizeText;     // field 2
    std::string_view description;  // field 3: everything after the second comma
    std::string_view listName;     // the list it came from
};

// A fake list kept as the file's bytes with views into them. Each record is
// indexed by every window of 32 hex digits it holds (either case), so that a
// hash written anywhere in a record finds it; the first record wins.
//
// Bounds: windows are taken from the first kIndexedWindowsPerRun positions of
// a run of hex digits, so runs of up to 36 digits are indexed whole and a list
// of nothing but hex digits loads in time and memory linear in its size.
// Records are read from the first 4 GiB of a list (offsets are 32 bits).
class FakeList {
public:
    static constexpr size_t kIndexedWindowsPerRun = 5;

    struct SkippedLine {
        int32_t index;  // line index, from 0
        std::string line;
    };

    FakeList() = default;
    // Lines end in CR LF or a lone LF (a CR before it dropped); a line without
    // a comma is no record; one whose first field is empty is reported in skipped.
    static FakeList Parse(std::string bytes, std::string listName = "FAKES.DAT",
                          std::vector<SkippedLine>* skipped = nullptr);
    // The list in the file at path, as Parse reads it: read whole, as it was
    // from the read's start to its end (one rewritten in place meanwhile is
    // read again). A list whose kept index is taken is mapped instead, so that
    // only the pages lookups touch are read: one renamed over (as this program
    // writes lists) leaves the mapped one intact; one rewritten in place never
    // stops the program, and Changed() says so. nullopt when the file cannot
    // be read, is no regular file or is larger than maxBytes.
    //
    // keptIndex: where a large list's index is kept between runs ("": not
    // kept). An index there is used only when it was made from this very file
    // (its device, inode, size, times and first bytes) and written well after
    // the list last changed, past any file system's timestamp resolution; otherwise the list is
    // indexed as usual and the index written there for the next run, beside
    // and renamed over under the directory's lock, or not at all when that
    // cannot be done. A damaged index file costs its use, never a wrong match:
    // every key it leads to is compared with the list's own text.
    static std::optional<FakeList> Load(const std::string& path, std::string listName,
                                        std::vector<SkippedLine>* skipped = nullptr,
                                        uint64_t maxBytes = UINT64_MAX, const std::string& keptIndex = "");
    // Lists from this size on have their index kept (see Load).
    static constexpr uint64_t kKeptIndexFrom = uint64_t{8} << 20;

    size_t size() const { return records_; }
    bool empty() const { return records_ == 0; }
    const std::string& name() const { return name_; }
    size_t byteSize() const { return text().size(); }
    FakeRecord record(size_t index) const;
    std::optional<FakeRecord> find(const Ed2kHash& hash) const;
    // Asks for the memory a find of hash reads, without waiting for it: step
    // 0 its bucket's bounds, step 1 (some lookups later, when they have come)
    // its entries. Many lookups in a row then wait on memory together, not
    // one after another.
    void Prefetch(const Ed2kHash& hash, int step) const;
    // The index came from its kept file, not from indexing the list now.
    bool indexWasKept() const { return !keptFile_.view().empty(); }
    // The file was rewritten in place since it was loaded: lookups may have
    // seen some of its new bytes, and a load now gives the new list.
    [[nodiscard]] bool Changed() const { return bytes_.Changed() || keptFile_.Changed(); }

private:
    using FullKey = std::pair<uint64_t, uint64_t>;  // a key's two halves, ordered as its bytes
    static constexpr size_t kEntriesPerBucket = 8;  // on average 4 to 8
    static constexpr size_t kScannedBucket = 32;    // larger buckets (crafted keys) are sorted
    static constexpr size_t kScatteredRun = 1 << 16;  // entries sorted through a buffer beside them

    static constexpr size_t kRecordsPerMark = 16;

    // The record whose line holds the byte at offset (a window's).
    // nullopt where that line is no record (a kept index may lead anywhere).
    std::optional<FakeRecord> RecordHolding(uint32_t offset) const;
    FakeRecord RecordFrom(size_t lineStart) const;
    size_t NextRecord(size_t start) const;
    FullKey KeyAt(uint64_t entry) const;  // read again from the text
    std::string_view text() const { return bytes_.view(); }
    void Build(std::vector<SkippedLine>* skipped);
    void Index(const char* text, size_t lineStart, size_t lineEnd);
    void Sort();
    // nullopt also where the list changed while it was read (and lastTry is false).
    static std::optional<FakeList> LoadOnce(const std::string& path, const std::string& listName,
                                            std::vector<SkippedLine>* skipped, uint64_t maxBytes,
                                            const std::string& keptIndex, bool lastTry);
    // The kept index file: taking its tables when they fit this list, and writing it.
    bool AdoptKeptIndex(FileBytes file, std::vector<SkippedLine>* skipped);
    void KeepIndex(const std::string& path) const;
    // The tables, built here or mapped from the kept file.
    std::span<const uint64_t> Entries() const;
    std::span<const uint32_t> Buckets() const;
    std::span<const uint32_t> Marks() const;
    bool UsableWindow(uint32_t offset) const;

    FileBytes bytes_;  // read or mapped; copies of the list share a mapping
    std::string name_;
    // Where every kRecordsPerMark-th record's line starts: the records between
    // are found by reading on, which costs a look-up little and spares the
    // memory of a table of every line.
    std::vector<uint32_t> marks_;
    size_t records_ = 0;
    // One entry a hex window: its key's first 32 bits above the window's
    // offset in the text. 8 bytes a window keeps the index small beside the
    // text it points into; the rest of a key is read from the text.
    std::vector<uint64_t> index_;
    // Where the entries of each key prefix (an entry's bits from bucketShift_
    // up) begin in index_, and one more for the end: hashes are evenly
    // spread, so a lookup looks at a handful of entries, not the whole index.
    std::vector<uint32_t> buckets_;
    int bucketShift_ = 56;
    // Lines skipped for an empty first field: their index, start and length.
    struct SkippedAt {
        int32_t index;
        uint32_t start, length;
    };
    std::vector<SkippedAt> skippedAt_;
    // A kept index in use: the mapped file and where its tables lie in it.
    FileBytes keptFile_;
    struct Table {
        size_t at = 0, count = 0;
    } keptEntries_, keptBuckets_, keptMarks_;
};

// Where the index of the list at listPath is kept (see FakeList::Load): a
// hidden file beside it.
std::string KeptIndexPath(const std::string& listPath);

// Waits, at most about 2 s, until the file at path has been left alone for a
// moment: one copied over in place (cp cuts it, then writes it) is read once
// written, not empty or half written. An empty one is taken as empty after
// 2 s: a writer's cut can last that long on a busy machine.
void WaitWhileWritten(const std::string& path);

// A record's line without its line end.
std::string_view RecordLine(std::string_view bytes, size_t start);

}  // namespace kv
