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

// Comments come as a flat list, four children per source, in this order.
std::vector<Comment> ReadComments(const EcTag* tag) {
    std::vector<Comment> comments;
    if (!tag) return comments;
    const auto& c = tag->children;
    for (size_t i = 0; i + 4 <= c.size(); i += 4) {
        const auto rating = c[i + 2].Int().value_or(0);
        comments.push_back({c[i].Text(), c[i + 1].Text(), static_cast<uint8_t>(rating <= 5 ? rating : 0),
                            c[i + 3].Text()});
    }
    return comments;
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
