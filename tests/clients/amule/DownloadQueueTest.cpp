#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/DownloadQueue.h"
#include "clients/amule/EcCodes.h"

using namespace kv::ec;
using kv::Ed2kHash;

namespace {

Packet CapturedQueue() {
    std::ifstream in(std::string(KV_AMULE_DATA_DIR) + "/dload-queue-reply.bin", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    auto packet = ReadPacket(bytes.str());
    EXPECT_TRUE(packet);
    return packet.value_or(Packet{});
}

TEST(DownloadQueue, ReadsTheCapturedQueueOfAmule233) {
    const DownloadQueue queue = ReadDownloadQueue(CapturedQueue());
    struct Row { const char* name; uint64_t size; const char* hash; const char* met; };
    // The downloads capture.sh adds, in aMule's order.
    const Row rows[] = {{"Film One.avi", 734003200, "0123456789abcdef0123456789abcdef", "001.part.met"},
                        {"Caf\xC3\xA9 del Mar.mp3", 5242880, "fedcba9876543210fedcba9876543210", "002.part.met"},
                        {"Big.iso", 5000000000ull, "00112233445566778899aabbccddeeff", "003.part.met"}};
    ASSERT_EQ(queue.downloads.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const kv::Download& d = queue.downloads[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(d.name, rows[i].name);
        EXPECT_TRUE(d.hasName && d.hasSize);
        EXPECT_EQ(d.size, rows[i].size);
        EXPECT_EQ(d.hash->ToHex(), rows[i].hash);
        EXPECT_EQ(d.metFile, rows[i].met);
        const ClientView* view = queue.ViewOf(*d.hash);
        ASSERT_NE(view, nullptr);
        // No server, no Kad: nothing to download from.
        EXPECT_EQ(view->state, DownloadState::Waiting);
        EXPECT_EQ(view->sources, 0u);
        EXPECT_EQ(view->done, 0u);
        EXPECT_TRUE(view->comments.empty());
    }
}

EcTag Partfile(const std::string& hash16, std::vector<EcTag> extra) {
    EcTag tag = IntTag(TagPartfile, 7);
    tag.children = {StringTag(TagPartfileName, "x.avi"), HashTag(TagPartfileHash, hash16),
                    IntTag(TagPartfileSizeFull, 100), IntTag(TagPartfilePartMetId, 12)};
    for (auto& e : extra) tag.children.push_back(std::move(e));
    return tag;
}

TEST(DownloadQueue, CommentsComeFourChildrenPerSource) {
    EcTag comments = EmptyTag(TagPartfileComments);
    comments.children = {StringTag(TagPartfileComments, "alice"), StringTag(TagPartfileComments, "trailer.avi"),
                         IntTag(TagPartfileComments, 1), StringTag(TagPartfileComments, "only the trailer, looped"),
                         StringTag(TagPartfileComments, "bob"), StringTag(TagPartfileComments, "x.avi"),
                         IntTag(TagPartfileComments, 1), StringTag(TagPartfileComments, ""),
                         StringTag(TagPartfileComments, "carol"), StringTag(TagPartfileComments, "x.avi"),
                         IntTag(TagPartfileComments, 4), StringTag(TagPartfileComments, "fine"),
                         // A rating out of range counts as none; a cut group of three is dropped.
                         StringTag(TagPartfileComments, "dave"), StringTag(TagPartfileComments, "x.avi"),
                         IntTag(TagPartfileComments, 9), StringTag(TagPartfileComments, "?"),
                         StringTag(TagPartfileComments, "eve"), StringTag(TagPartfileComments, "x.avi"),
                         IntTag(TagPartfileComments, 1)};
    kv::Download d;
    ClientView view;
    ASSERT_TRUE(ReadPartfile(Partfile(std::string(16, 'a'), {comments, IntTag(TagPartfileStatus, 7)}), d, view));
    ASSERT_EQ(view.comments.size(), 4u);
    EXPECT_EQ(view.comments[0], (Comment{"alice", "trailer.avi", 1, "only the trailer, looped"}));
    EXPECT_EQ(view.ratings[1], 2u);
    EXPECT_EQ(view.ratings[4], 1u);
    EXPECT_EQ(view.ratings[0], 1u);
    EXPECT_EQ(view.state, DownloadState::Paused);
    EXPECT_EQ(d.metFile, "012.part.met");
}

TEST(DownloadQueue, StatesFromStatusAndStopped) {
    struct Case { const char* name; uint64_t status; uint64_t stopped; uint64_t xfer; DownloadState state; };
    const Case cases[] = {{"waiting", 0, 0, 0, DownloadState::Waiting},
                          {"downloading", 0, 0, 2, DownloadState::Downloading},
                          {"paused", 7, 0, 0, DownloadState::Paused},
                          {"stopped wins over paused", 7, 1, 0, DownloadState::Stopped},
                          {"hashing", 3, 0, 0, DownloadState::Hashing},
                          {"completing", 8, 0, 0, DownloadState::Completing},
                          {"error", 4, 0, 0, DownloadState::Error},
                          {"unknown", 200, 0, 0, DownloadState::Other}};
    for (const Case& c : cases) {
        kv::Download d;
        ClientView view;
        ReadPartfile(Partfile(std::string(16, 'b'), {IntTag(TagPartfileStatus, c.status), IntTag(TagPartfileStopped, c.stopped),
                                                      IntTag(TagPartfileSourceCountXfer, c.xfer)}),
                     d, view);
        EXPECT_EQ(view.state, c.state) << c.name;
    }
}

TEST(DownloadQueue, PartfilesWithoutAHashOrTwiceAreLeftOut) {
    EcTag noHash = Partfile(std::string(16, 'c'), {});
    std::erase_if(noHash.children, [](const EcTag& t) { return t.name == TagPartfileHash; });
    EcTag shortHash = Partfile("short", {});
    const DownloadQueue queue = ReadDownloadQueue(
        Packet{OpDloadQueue, {noHash, shortHash, Partfile(std::string(16, 'd'), {}), Partfile(std::string(16, 'd'), {})}});
    ASSERT_EQ(queue.downloads.size(), 1u);
    EXPECT_EQ(queue.views.size(), 1u);
}

TEST(DownloadQueue, TargetsByPartNameOrHash) {
    const DownloadQueue queue = ReadDownloadQueue(CapturedQueue());
    struct Case { const char* target; const char* hash; };
    const Case cases[] = {{"001", "0123456789abcdef0123456789abcdef"},
                          {"002.part", "fedcba9876543210fedcba9876543210"},
                          {"003.part.met", "00112233445566778899aabbccddeeff"},
                          {"1", "0123456789abcdef0123456789abcdef"},
                          {"FEDCBA9876543210FEDCBA9876543210", "fedcba9876543210fedcba9876543210"},
                          {"004", nullptr},
                          {"ffffffffffffffffffffffffffffffff", nullptr},
                          {"001.met.part", nullptr},
                          {"", nullptr},
                          {"99999999999999999999", nullptr}};
    for (const Case& c : cases) {
        const auto hash = ResolveTarget(queue, c.target);
        if (c.hash) {
            ASSERT_TRUE(hash) << c.target;
            EXPECT_EQ(hash->ToHex(), c.hash) << c.target;
        } else {
            ASSERT_FALSE(hash) << c.target;
            EXPECT_EQ(hash.error().kind, AmuleErrorKind::NotFound) << c.target;
        }
    }
}

TEST(ConnectionSettings, HostAndPort) {
    struct Case { const char* text; const char* host; uint16_t port; };
    const Case cases[] = {{"nas", "nas", kDefaultPort},
                          {"nas.local:4713", "nas.local", 4713},
                          {"192.168.1.5:1", "192.168.1.5", 1},
                          {"[::1]:4000", "::1", 4000},
                          {"[fe80::1]", "fe80::1", kDefaultPort},
                          {"::1", "::1", kDefaultPort},
                          {"nas:0", nullptr, 0},
                          {"nas:65536", nullptr, 0},
                          {"nas:", nullptr, 0},
                          {":4712", nullptr, 0},
                          {"nas:47x", nullptr, 0},
                          {"[::1", nullptr, 0},
                          {"[::1]x", nullptr, 0},
                          {"bad\nhost", nullptr, 0},
                          {"", nullptr, 0}};
    for (const Case& c : cases) {
        const auto parsed = ParseHostPort(c.text);
        if (!c.host) {
            EXPECT_FALSE(parsed) << c.text;
            continue;
        }
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(parsed->host, c.host);
        EXPECT_EQ(parsed->port, c.port) << c.text;
    }
}

TEST(ConnectionSettings, AmuleConfExternalConnect) {
    kv::test::ScopedTempDir dir;
    struct Case { const char* name; const char* body; bool accepted; const char* host; uint16_t port; };
    const Case cases[] = {
        {"all set", "[ExternalConnect]\nAcceptExternalConnections=1\nECAddress=10.0.0.2\nECPort=4000\n"
                    "ECPassword=5EBE2294ECD0E0F08EAB7690D2A6EE69\n", true, "10.0.0.2", 4000},
        {"defaults", "[ExternalConnect]\nAcceptExternalConnections=0\nECPassword=5ebe2294ecd0e0f08eab7690d2a6ee69\n",
         false, "127.0.0.1", kDefaultPort},
        {"listens everywhere", "[ExternalConnect]\nAcceptExternalConnections=1\nECAddress=0.0.0.0\nECPort=junk\n"
                               "ECPassword=5ebe2294ecd0e0f08eab7690d2a6ee69\n", true, "127.0.0.1", kDefaultPort},
    };
    for (const Case& c : cases) {
        const auto conf = ReadAmuleConfEc(dir.Write("amule.conf", c.body));
        ASSERT_TRUE(conf) << c.name;
        EXPECT_EQ(conf->accepted, c.accepted) << c.name;
        EXPECT_EQ(conf->settings.host, c.host) << c.name;
        EXPECT_EQ(conf->settings.port, c.port) << c.name;
        EXPECT_EQ(conf->settings.passwordMd5, "5ebe2294ecd0e0f08eab7690d2a6ee69") << c.name;
    }
    EXPECT_FALSE(ReadAmuleConfEc(dir.File("missing.conf")));
}

TEST(ConnectionSettings, StoredPrivatelyAndReadBack) {
    kv::test::ScopedTempDir dir;
    const std::string path = dir.File(kConnectionFileName);
    // An older file open to everyone gets the owner-only mode too.
    dir.Write(kConnectionFileName, "[aMule]\n");
    ::chmod(path.c_str(), 0644);
    const ConnectionSettings settings{"nas", 4713, "5ebe2294ecd0e0f08eab7690d2a6ee69"};
    ASSERT_TRUE(StoreConnection(path, settings));
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadStoredConnection(path), settings);
    EXPECT_FALSE(StoreConnection(path, ConnectionSettings{"nas", 4713, "not a hash"}));
    EXPECT_EQ(ReadStoredConnection(path), settings) << "a refused store leaves the file alone";
    dir.Write(kConnectionFileName, "[aMule]\nHost=nas\nPort=4713\n");
    EXPECT_FALSE(ReadStoredConnection(path)) << "no password hash";
}

}  // namespace
