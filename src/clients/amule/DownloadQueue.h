#pragma once

#include <array>
#include <cstdint>
#include <expected>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "clients/amule/EcConnection.h"
#include "ed2k/Download.h"
#include "ed2k/Ed2kHash.h"

namespace kv::ec {

// What another user's client said about a file.
struct Comment {
    std::string user;
    std::string fileName;  // the name that user has for it
    uint8_t rating = 0;    // 0 not rated, 1 fake, 2 poor, 3 fair, 4 good, 5 excellent
    std::string text;
    bool operator==(const Comment&) const = default;
};

// One change to the names a download's sources give it, as aMule sends it:
// per connection, the first reply has every name (each under a new id), later
// replies only what changed since (count 0: the name is gone).
struct SourceNameChange {
    uint32_t id = 0;
    uint32_t count = 0;
    std::optional<std::string> name;  // with a new id only
    bool operator==(const SourceNameChange&) const = default;
};

enum class DownloadState { Downloading, Waiting, Paused, Stopped, Hashing, Completing, Complete, Error, Other };
const char* StateName(DownloadState state);  // "downloading", "paused", ...

// aMule's view of one download beyond what its .part.met holds.
struct ClientView {
    DownloadState state = DownloadState::Other;
    uint8_t status = 0;  // aMule's PS_ value as sent
    bool stopped = false;
    uint32_t partMetId = 0;
    uint64_t done = 0;  // bytes completed
    uint32_t sources = 0;
    uint32_t transferringSources = 0;
    uint32_t lastSeenComplete = 0;  // unix time, 0 never
    uint64_t activeSeconds = 0;     // time spent downloading
    uint64_t lostToCorruption = 0;  // bytes thrown away because their part's hash failed
    std::array<uint32_t, 6> ratings{};  // count per rating value, [1] = fake
    std::vector<Comment> comments;
    std::vector<SourceNameChange> nameChanges;  // as this reply sent them
    std::vector<SourceName> sourceNames;        // every name the sources give it now (SourceNameMaps)
};

// The daemon's downloads: the same records a temp-directory check reads
// (name, size, hash, .part.met name; EC does not send the part hashes, and
// the gaps only in a packed form, so those stay empty), and the client's
// view of each by hash.
struct DownloadQueue {
    std::vector<Download> downloads;
    std::unordered_map<Ed2kHash, ClientView> views;

    const ClientView* ViewOf(const Ed2kHash& hash) const;
};

// One EC_TAG_PARTFILE of a download queue reply; false when it lacks a hash.
bool ReadPartfile(const EcTag& tag, Download& download, ClientView& view);
// The reply is taken over and let go of as it is read.
DownloadQueue ReadDownloadQueue(Packet reply);

std::expected<DownloadQueue, AmuleError> GetDownloadQueue(EcConnection& connection);

// The names of every download as one connection has been told them so far:
// each reply's changes applied in turn give the whole set. A new connection
// starts from nothing (aMule sends it every name again).
class SourceNameMaps {
public:
    // Applies the queue's changes and fills each view's sourceNames; the
    // downloads no longer in the queue are forgotten.
    void Apply(DownloadQueue& queue);
    void Reset() { maps_.clear(); }

private:
    std::unordered_map<Ed2kHash, std::map<uint32_t, SourceName>> maps_;
};

enum class Action { Pause, Resume, Stop, Cancel };
const char* ActionName(Action action);  // "pause", ...

// Cancelling deletes the download (and aMule lists its hash in canceled.met).
std::expected<void, AmuleError> Act(EcConnection& connection, Action action, const Ed2kHash& hash);
std::expected<void, AmuleError> AddLink(EcConnection& connection, const std::string& link);

// A part file name (001, 001.part, 001.part.met) or a hash, as the hash of a
// download in the queue; NotFound otherwise.
std::expected<Ed2kHash, AmuleError> ResolveTarget(const DownloadQueue& queue, std::string_view target);

}  // namespace kv::ec
