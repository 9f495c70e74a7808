#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kHash.h"

namespace kv {

// One record of a fake list: the line's three comma-separated fields.
struct FakeRecord {
    std::string_view hashText;     // field 1 as written (normally 32 hex digits)
    std::string_view sizeText;     // field 2
    std::string_view description;  // field 3: everything after the second comma
    std::string_view listName;     // the list it came from
    size_t index = 0;              // its place in that list, from 0
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

    size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const std::string& name() const { return name_; }
    FakeRecord record(size_t index) const;
    std::optional<FakeRecord> find(const Ed2kHash& hash) const;

private:
    // Where the window at a byte offset belongs: the record whose line holds it.
    size_t RecordAt(uint32_t offset) const;
    void Index(const char* text, size_t lineStart, size_t lineEnd);
    void Sort();

    std::string bytes_;
    std::string name_;
    std::vector<uint32_t> lines_;  // start of each record's line in bytes_
    // One entry a hex window: its key's first 32 bits above the window's
    // offset in bytes_, sorted as numbers; keys that agree in those bits are
    // ordered by the whole key (read again from the text), then by offset, so
    // the first record holding a hash comes first. 8 bytes a window keeps the
    // index small beside the text it points into.
    std::vector<uint64_t> index_;
    // Where the keys of each prefix (the key's first 16 - bucketShift_ bits)
    // begin in index_, and one more entry for the end: hashes are evenly
    // spread, so a lookup searches a handful of entries, not the whole index.
    std::vector<uint32_t> buckets_;
    int bucketShift_ = 16;
};

// A record's line without its line end.
std::string_view RecordLine(std::string_view bytes, size_t start);

}  // namespace kv
