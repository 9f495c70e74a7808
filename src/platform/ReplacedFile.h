#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include <expected>

namespace kv {

// New content for path, written and flushed to a temporary file beside it but
// not yet in its place: Commit renames it over path. Dropped uncommitted, the
// temporary file is removed. Lets a caller get every write of a change onto
// the disk before any of them takes effect.
class PreparedFile {
public:
    // path may be a symbolic link (a chain of them): the file at its end is
    // replaced, so the link keeps pointing at the new bytes. Refused when that
    // end exists and is no regular file (a device, a FIFO, a directory) or the
    // chain does not end.
    [[nodiscard]] static std::expected<PreparedFile, std::string> Write(const std::string& path,
                                                                       const std::string& data);
    // The parts one after another. Not durable: not flushed to the disk
    // first, for a file whose loss costs nothing (one checked when read).
    [[nodiscard]] static std::expected<PreparedFile, std::string> Write(const std::string& path,
                                                                       std::span<const std::string_view> parts,
                                                                       bool durable);
    PreparedFile(PreparedFile&& other) noexcept;
    PreparedFile& operator=(PreparedFile&& other) noexcept;
    PreparedFile(const PreparedFile&) = delete;
    PreparedFile& operator=(const PreparedFile&) = delete;
    ~PreparedFile();

    // Nothing, or why the rename failed: a sentence naming the file and the
    // cause (the system's words, as strerror gives them); so for every write here.
    [[nodiscard]] std::expected<void, std::string> Commit();
    const std::string& Target() const { return target_; }

private:
    PreparedFile(std::string target, std::string temp) : target_(std::move(target)), temp_(std::move(temp)) {}
    std::string target_;
    std::string temp_;  // empty once committed or moved from
};

// Replaces path with data: written to a temporary file beside it, flushed and
// renamed over the old one, so that a failure leaves the old file as it was and
// no temporary file behind. PreparedFile's rules for links.
[[nodiscard]] std::expected<void, std::string> ReplaceFile(const std::string& path, const std::string& data);
[[nodiscard]] std::expected<void, std::string> ReplaceFile(const std::string& path,
                                                           std::span<const std::string_view> parts,
                                                           bool durable = true);
// The same, for callers that only need to know whether it worked.
bool WriteFileAtomic(const std::string& path, const std::string& data);

}  // namespace kv
