#include "clients/amule/DownloadQueue.h"

#include <algorithm>
#include <cstdio>

#include "clients/amule/EcCodes.h"
#include "common/StringUtil.h"
#include "ed2k/PartMetReader.h"

namespace kv::ec {
namespace {

uint64_t IntOf(const EcTag& parent, uint16_t name) {
    const EcTag* tag = parent.Child(name);
    const auto value = tag ? tag->Int() : std::nullopt;
    return value.value_or(0);
}

uint32_t Clamp32(uint64_t value) { return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX)); }

DownloadState StateOf(uint8_t status, bool stopped, uint32_t transferring) {
    if (stopped) return DownloadState::Stopped;
    switch (status) {
        case 0: case 1: return transferring > 0 ? DownloadState::Downloading : DownloadState::Waiting;
        case 2: case 3: return DownloadState::Hashing;
        case 4: case 5: return DownloadState::Error;
        case 7: return DownloadState::Paused;
        case 8: return DownloadState::Completing;
        case 9: return DownloadState::Complete;
        default: return DownloadState::Other;
    }
}

// aMule's core keeps a rating of 0 (none) to 5 and sends it as a number;
// a comment without a rating may come as -1 (all bits set at any width), and
// a rating scaled to a byte (x51) is read back to its step. Anything else is
// no rating.
uint8_t RatingOf(uint64_t wire) {
    if (wire <= 5) return static_cast<uint8_t>(wire);
    if (wire <= 255 && wire % 51 == 0) return static_cast<uint8_t>(wire / 51);
    return 0;
}

// Comments come as a flat list, four children per source, in this order.
std::vector<Comment> ReadComments(const EcTag* tag) {
    std::vector<Comment> comments;
    if (!tag) return comments;
    const auto& c = tag->children;
    for (size_t i = 0; i + 4 <= c.size(); i += 4) {
        comments.push_back({c[i].Text(), c[i + 1].Text(), RatingOf(c[i + 2].Int().value_or(0)), c[i + 3].Text()});
    }
    return comments;
}

// aMule's SOURCE_NAMES: one child per change, keyed by an id the
// connection keeps; a new id carries its name as a child of the same tag name.
std::vector<SourceNameChange> ReadNameChanges(const EcTag* tag) {
    std::vector<SourceNameChange> changes;
    if (!tag) return changes;
    for (const EcTag& child : tag->children) {
        if (child.name != TagPartfileSourceNames) continue;
        const auto id = child.Int();
        if (!id) continue;
        SourceNameChange change{Clamp32(*id), Clamp32(IntOf(child, TagPartfileSourceNamesCounts)), std::nullopt};
        if (const EcTag* name = child.Child(TagPartfileSourceNames)) change.name = name->Text();
        changes.push_back(std::move(change));
    }
    return changes;
}

std::expected<void, AmuleError> ExpectNoop(std::expected<Packet, AmuleError> reply) {
    if (!reply) return std::unexpected(reply.error());
    if (reply->opcode == OpNoop) return {};
    if (reply->opcode == OpFailed) {
        const EcTag* text = reply->Tag(TagString);
        const std::string reason = text ? text->Text() : std::string();
        const auto kind = ContainsNoCase(reason, "not found") ? AmuleErrorKind::NotFound : AmuleErrorKind::Failed;
        return std::unexpected(AmuleError{kind, reason});
    }
    return std::unexpected(AmuleError{AmuleErrorKind::BadReply, "unexpected answer"});
}

}  // namespace

const char* StateName(DownloadState state) {
    switch (state) {
        case DownloadState::Downloading: return "downloading";
        case DownloadState::Waiting: return "waiting";
        case DownloadState::Paused: return "paused";
        case DownloadState::Stopped: return "stopped";
        case DownloadState::Hashing: return "hashing";
        case DownloadState::Completing: return "completing";
        case DownloadState::Complete: return "complete";
        case DownloadState::Error: return "error";
        case DownloadState::Other: break;
    }
    return "other";
}

const char* ActionName(Action action) {
    switch (action) {
        case Action::Pause: return "pause";
        case Action::Resume: return "resume";
        case Action::Stop: return "stop";
        case Action::Cancel: return "cancel";
    }
    return "";
}

const ClientView* DownloadQueue::ViewOf(const Ed2kHash& hash) const {
    const auto it = views.find(hash);
    return it == views.end() ? nullptr : &it->second;
}

bool ReadPartfile(const EcTag& tag, Download& download, ClientView& view) {
    const EcTag* hash = tag.Child(TagPartfileHash);
    if (!hash || hash->data.size() != 16) return false;
    download.hash = Ed2kHash::FromRaw(hash->data.data());
    if (const EcTag* name = tag.Child(TagPartfileName)) {
        download.name = name->Text();
        download.hasName = true;
    }
    if (const EcTag* size = tag.Child(TagPartfileSizeFull); size && size->Int()) {
        download.size = *size->Int();
        download.hasSize = true;
    }
    view.partMetId = Clamp32(IntOf(tag, TagPartfilePartMetId));
    download.metFile = PartMetFileName(view.partMetId);
    view.status = static_cast<uint8_t>(std::min<uint64_t>(IntOf(tag, TagPartfileStatus), 255));
    view.stopped = IntOf(tag, TagPartfileStopped) != 0;
    view.done = IntOf(tag, TagPartfileSizeDone);
    view.sources = Clamp32(IntOf(tag, TagPartfileSourceCount));
    view.transferringSources = Clamp32(IntOf(tag, TagPartfileSourceCountXfer));
    view.lastSeenComplete = Clamp32(IntOf(tag, TagPartfileLastSeenComplete));
    view.activeSeconds = IntOf(tag, TagPartfileDownloadActive);
    view.lostToCorruption = IntOf(tag, TagPartfileLostCorruption);
    view.nameChanges = ReadNameChanges(tag.Child(TagPartfileSourceNames));
    // What the client noted, as a .part.met would hold it, for the detectors of a download read over EC alone.
    download.lastSeenComplete = view.lastSeenComplete;
    download.activeSeconds = view.activeSeconds;
    if (view.lostToCorruption > 0) download.corruptedBytes = view.lostToCorruption;
    view.state = StateOf(view.status, view.stopped, view.transferringSources);
    view.comments = ReadComments(tag.Child(TagPartfileComments));
    for (const Comment& c : view.comments) ++view.ratings[c.rating];
    return true;
}

DownloadQueue ReadDownloadQueue(Packet reply) {
    DownloadQueue queue;
    queue.downloads.reserve(reply.tags.size());
    for (EcTag& tag : reply.tags) {
        if (tag.name != TagPartfile) continue;
        Download download;
        ClientView view;
        // A hash twice would make two rows of one download; the first wins.
        const bool read = ReadPartfile(tag, download, view) && !queue.views.contains(*download.hash);
        // Each download's tags let go once read: a long queue is not held twice.
        std::vector<EcTag>().swap(tag.children);
        if (!read) continue;
        queue.views.emplace(*download.hash, std::move(view));
        queue.downloads.push_back(std::move(download));
    }
    return queue;
}

std::expected<DownloadQueue, AmuleError> GetDownloadQueue(EcConnection& connection) {
    auto reply = connection.Exchange(Packet{OpGetDloadQueue, {}});
    if (!reply) return std::unexpected(reply.error());
    if (reply->opcode != OpDloadQueue) return std::unexpected(AmuleError{AmuleErrorKind::BadReply, "no download queue"});
    return ReadDownloadQueue(std::move(*reply));
}

void SourceNameMaps::Apply(DownloadQueue& queue) {
    std::erase_if(maps_, [&](const auto& entry) { return !queue.views.contains(entry.first); });
    for (auto& [hash, view] : queue.views) {
        auto& names = maps_[hash];
        for (SourceNameChange& change : view.nameChanges) {
            if (change.count == 0) {
                names.erase(change.id);
                continue;
            }
            SourceName& known = names[change.id];
            if (change.name) known.name = std::move(*change.name);
            known.count = change.count;
        }
        std::vector<SourceNameChange>().swap(view.nameChanges);
        view.sourceNames.clear();
        for (const auto& [id, name] : names)
            if (!name.name.empty()) view.sourceNames.push_back(name);
        // Most shared first, as a user would read them.
        std::ranges::stable_sort(view.sourceNames, [](const SourceName& a, const SourceName& b) { return a.count > b.count; });
    }
}

std::expected<void, AmuleError> Act(EcConnection& connection, Action action, const Ed2kHash& hash) {
    uint8_t opcode = OpPartfilePause;
    switch (action) {
        case Action::Pause: opcode = OpPartfilePause; break;
        case Action::Resume: opcode = OpPartfileResume; break;
        case Action::Stop: opcode = OpPartfileStop; break;
        case Action::Cancel: opcode = OpPartfileDelete; break;
    }
    const std::string raw(hash.bytes().begin(), hash.bytes().end());
    return ExpectNoop(connection.Exchange(Packet{opcode, {HashTag(TagPartfile, raw)}}));
}

std::expected<void, AmuleError> AddLink(EcConnection& connection, const std::string& link) {
    // aMule 2.3.3 decodes an escape that follows a raw UTF-8 character at the
    // wrong place ("Caf\xC3\xA9%20del" becomes "Caf\xC3\xA9\rdel"); escaped, every
    // byte comes through.
    std::string escaped;
    for (const char c : link) {
        if (static_cast<unsigned char>(c) < 0x80) {
            escaped += c;
            continue;
        }
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
        escaped += hex;
    }
    return ExpectNoop(connection.Exchange(Packet{OpAddLink, {StringTag(TagString, escaped)}}));
}

std::expected<Ed2kHash, AmuleError> ResolveTarget(const DownloadQueue& queue, std::string_view target) {
    if (const auto hash = Ed2kHash::FromHex(target)) {
        if (queue.views.contains(*hash)) return *hash;
        return std::unexpected(AmuleError{AmuleErrorKind::NotFound, std::string(target)});
    }
    if (const auto id = PartNumberOf(target)) {
        for (const Download& d : queue.downloads)
            if (queue.views.at(*d.hash).partMetId == *id) return *d.hash;
    }
    return std::unexpected(AmuleError{AmuleErrorKind::NotFound, std::string(target)});
}

}  // namespace kv::ec
