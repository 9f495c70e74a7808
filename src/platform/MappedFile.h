#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/FileUtil.h"

namespace kv {

// A regular file's bytes: a large one mapped read-only (the page cache's own
// pages, no copy and no cleared memory beside them), a small one read. Copies
// share the mapping. A file replaced by rename leaves the mapped one intact.
//
// One cut short or rewritten in place while mapped (`cp new FAKES.DAT`) does
// not end the program: a read past its new end sees zeros where the system
// would have stopped the process, and Changed() says so, so that the reader
// takes the file again.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::string bytes, FileStamp stamp = {}) : owned_(std::move(bytes)), stamp_(stamp) {}
    // nullopt when the file cannot be opened or read, is no regular file or
    // is larger than maxBytes (then it is not read at all).
    // A mapping is filled in at once unless populate is false: then pages
    // come as they are first read (Populate asks for the rest later).
    [[nodiscard]] static std::optional<FileBytes> Open(const std::string& path, uint64_t maxBytes = UINT64_MAX,
                                                       bool populate = true);
    void Populate() const;
    // Few pages will be read, here and there: only those are mapped as they are.
    void ReadHereAndThere() const;
    std::string_view view() const { return mapping_ ? mapped_ : std::string_view(owned_); }
    // The file as it was opened (size -1 for bytes that came from no file).
    const FileStamp& stamp() const { return stamp_; }
    // The mapped file was changed in place since it was opened, so view() may
    // hold some of its new bytes, or zeros. Always false for bytes read.
    [[nodiscard]] bool Changed() const;

    struct Mapping;  // the system's handle, shared by copies

private:
    std::string owned_;
    std::shared_ptr<const Mapping> mapping_;
    std::string_view mapped_;
    FileStamp stamp_;
};

}  // namespace kv
