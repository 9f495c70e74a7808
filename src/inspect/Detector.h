#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/DirectoryFiles.h"
#include "ed2k/Download.h"
#include "inspect/ContentType.h"
#include "inspect/Suspicion.h"

namespace kv::inspect {

// What a detector may look at for one download (or link): its name, published
// size, part hashes and the client's tags from the .part.met, and the bytes
// that have arrived at its start, read on first use and never beyond the
// first missing byte. A detector judges nothing it was not given.
class Evidence {
public:
    // A download: the head is read from partPath when a detector asks (a
    // name in the directory dirFd, when one is given).
    Evidence(const Download& d, std::string partPath, int dirFd = AT_FDCWD);
    // A name (and size, 0 = unknown) with a head already in hand.
    Evidence(std::string_view name, std::string_view head, uint64_t size = 0);
    // A name, size and part hashes with no data: an ed2k link.
    explicit Evidence(const Download& d);
    Evidence(const Evidence&) = delete;
    Evidence& operator=(const Evidence&) = delete;

    std::string_view name() const { return d_->name; }
    bool hasSize() const { return d_->hasSize; }
    uint64_t size() const { return d_->size; }   // 0 when unknown
    const Download& download() const { return *d_; }

    // The arrived head, or nullptr when not enough of it is there (or there
    // is no data to read). Sniffed once, on first use.
    const std::string* Head() const;
    const ContentType& Content() const;

private:
    Download own_;             // for the name-and-head form
    const Download* d_;
    std::string partPath_;
    int dirFd_ = AT_FDCWD;
    bool canRead_ = false;
    mutable bool loaded_ = false;
    mutable std::optional<std::string> head_;
    mutable std::optional<ContentType> content_;
};

// What a detector reads, so that callers can leave out what they lack (a
// link has no data) or what the user turned off.
enum class Reads : uint8_t { Name, PartHashes, ClientTags, Head };

// One way of telling a fake: looks at the evidence and returns a suspicion
// (suspect or note, with its reason) or nothing.
class Detector {
public:
    virtual ~Detector() = default;
    virtual std::string_view id() const = 0;   // "content", "padded-clip", ...
    virtual Reads reads() const = 0;
    virtual std::optional<Suspicion> Examine(const Evidence& e) const = 0;
};

// Every detector, in the order ties are broken (earlier wins).
std::span<const std::unique_ptr<Detector>> Detectors();

// The detector of that id; nullptr for none.
const Detector* FindDetector(std::string_view id);

}  // namespace kv::inspect
