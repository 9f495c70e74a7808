// A large list's index kept in a file between runs, so that a check, a window
// or a link check after the first does not index the list again.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "common/FsPath.h"
#include "platform/ReplacedFile.h"
#include "platform/MappedFile.h"
#include "lists/FakeList.h"

namespace kv {

namespace {

constexpr char kMagic[8] = {'K', 'V', 'F', 'L', 'I', 'D', 'X', '1'};
constexpr uint32_t kByteOrder = 0x01020304;  // a file from a machine of the other order is not read
constexpr size_t kFirstBytes = 64 << 10;
// File systems keep times in whole seconds (ext3, FAT: two), or in ticks of
// the kernel's clock: an edit of the list within this of the index's writing
// may leave every time the index compares unchanged.
constexpr int64_t kTimestampResolutionNs = 2'000'000'000;

// The list the index was made from, and the sizes of its tables.
struct Header {
    char magic[8];
    uint32_t byteOrder, version;
    uint64_t device, inode;
    int64_t size, modified, changed;
    uint64_t firstBytes;  // a hash of the list's first kFirstBytes
    uint64_t records;
    uint32_t bucketShift, skipped;
    uint64_t entries, buckets, marks;
};

struct SkippedRecord {
    int32_t index;
    uint32_t start, length;
};

// FNV-1a: enough to tell a list rewritten in place with its size and times kept.
uint64_t HashOf(std::string_view bytes) {
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    return h;
}

uint64_t FileSize(const Header& h) {
    return sizeof(Header) + h.entries * sizeof(uint64_t) + (h.buckets + h.marks) * sizeof(uint32_t) +
           uint64_t{h.skipped} * sizeof(SkippedRecord);
}

template <typename T>
std::string_view Bytes(const T* data, size_t count) {
    return {reinterpret_cast<const char*>(data), count * sizeof(T)};
}

}  // namespace

std::string KeptIndexPath(const std::string& listPath) {
    const std::filesystem::path path(listPath);
    return (path.parent_path() / ("." + path.filename().string() + ".kvindex")).string();
}

// Written from the tables where they lie, with no copy of them beside.
void FakeList::KeepIndex(const std::string& path) const {
    const FileStamp& stamp = bytes_.stamp();
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.byteOrder = kByteOrder;
    h.version = 1;
    h.device = stamp.device;
    h.inode = stamp.inode;
    h.size = stamp.size;
    h.modified = stamp.modified;
    h.changed = stamp.changed;
    h.firstBytes = HashOf(text().substr(0, kFirstBytes));
    h.records = records_;
    h.bucketShift = static_cast<uint32_t>(bucketShift_);
    h.skipped = static_cast<uint32_t>(skippedAt_.size());
    h.entries = index_.size();
    h.buckets = buckets_.size();
    h.marks = marks_.size();
    std::vector<SkippedRecord> skipped;
    for (const SkippedAt& k : skippedAt_) skipped.push_back({k.index, k.start, k.length});
    const std::string_view parts[] = {Bytes(&h, 1), Bytes(index_.data(), index_.size()),
                                      Bytes(buckets_.data(), buckets_.size()), Bytes(marks_.data(), marks_.size()),
                                      Bytes(skipped.data(), skipped.size())};
    // Another process writing in the directory now is not waited for: the
    // index is kept by a later run. Not flushed to the disk: a file lost or
    // cut short in a crash is refused when read.
    const auto lock = DirectoryLock::Take(PathText(FsPath(path).parent_path()), std::chrono::milliseconds(0));
    // Only a file of its own is replaced: a link in its place is not followed to another file.
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(FsPath(path), ec);
    if (!lock || (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))) return;
    (void)ReplaceFile(path, parts, /*durable=*/false);
}

bool FakeList::AdoptKeptIndex(FileBytes file, std::vector<SkippedLine>* skipped) {
    const std::string_view bytes = file.view(), list = text();
    Header h;
    if (bytes.size() < sizeof h) return false;
    std::memcpy(&h, bytes.data(), sizeof h);
    // Made by this program from this very file, and whole.
    const FileStamp& stamp = bytes_.stamp();
    if (file.stamp().modified - std::max(stamp.modified, stamp.changed) < kTimestampResolutionNs) return false;
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.byteOrder != kByteOrder || h.version != 1 ||
        h.device != stamp.device || h.inode != stamp.inode || h.size != stamp.size || h.modified != stamp.modified ||
        h.changed != stamp.changed || static_cast<uint64_t>(h.size) != list.size())
        return false;
    if (h.bucketShift < 44 || h.bucketShift > 56 || h.buckets != (uint64_t{1} << (64 - h.bucketShift)) + 1 ||
        h.entries > UINT32_MAX || h.records > list.size() || h.marks != (h.records + kRecordsPerMark - 1) / kRecordsPerMark ||
        h.skipped > list.size() || FileSize(h) != bytes.size())
        return false;
    if (h.firstBytes != HashOf(list.substr(0, kFirstBytes))) return false;

    // The tables must lead nowhere outside themselves and the list: the
    // buckets in order and ending at the last entry, the marks in order
    // within the list. (Entries are checked as they are used.)
    keptEntries_ = {sizeof h, h.entries};
    keptBuckets_ = {keptEntries_.at + h.entries * sizeof(uint64_t), h.buckets};
    keptMarks_ = {keptBuckets_.at + h.buckets * sizeof(uint32_t), h.marks};
    const auto* buckets = reinterpret_cast<const uint32_t*>(bytes.data() + keptBuckets_.at);
    const auto* marks = reinterpret_cast<const uint32_t*>(bytes.data() + keptMarks_.at);
    if (buckets[0] != 0 || buckets[h.buckets - 1] != h.entries) return false;
    for (size_t b = 1; b < h.buckets; ++b)
        if (buckets[b] < buckets[b - 1]) return false;
    for (size_t m = 0; m < h.marks; ++m)
        if (marks[m] >= list.size() || (m > 0 && marks[m] <= marks[m - 1])) return false;
    std::vector<SkippedAt> skippedAt(h.skipped);
    const char* records = bytes.data() + keptMarks_.at + h.marks * sizeof(uint32_t);
    for (size_t k = 0; k < h.skipped; ++k) {
        SkippedRecord r;
        std::memcpy(&r, records + k * sizeof r, sizeof r);
        if (r.start > list.size() || r.length > list.size() - r.start) return false;
        skippedAt[k] = {r.index, r.start, r.length};
    }

    keptFile_ = std::move(file);
    records_ = h.records;
    bucketShift_ = static_cast<int>(h.bucketShift);
    skippedAt_ = std::move(skippedAt);
    if (skipped)
        for (const SkippedAt& k : skippedAt_) skipped->push_back({k.index, std::string(list.substr(k.start, k.length))});
    return true;
}

}  // namespace kv
