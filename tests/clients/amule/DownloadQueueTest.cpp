#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempDir.h"
#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/DownloadQueue.h"
#include "clients/amule/EcCodes.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"

using namespace kv::ec;

namespace {

TEST(DownloadQueue, ReadsTheCapturedQueueOfAmule233AndFindsItsDownloadsByPartNameOrHash) {
    const auto packet = ReadPacket(kv::ReadWholeFile(KV_AMULE_DATA_DIR "/dload-queue-reply.bin").value_or(""));
    ASSERT_TRUE(packet);
    const DownloadQueue queue = ReadDownloadQueue(*packet);
    // The downloads capture.sh adds, in aMule's order: name, size, hash, part file.
    const std::vector<std::string> rows = {
        "Film One.avi|734003200|0123456789abcdef0123456789abcdef|001.part.met",
        "Caf\xC3\xA9 del Mar.mp3|5242880|fedcba9876543210fedcba9876543210|002.part.met",
        "Big.iso|5000000000|00112233445566778899aabbccddeeff|003.part.met"};
    ASSERT_EQ(queue.downloads.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const kv::Download& d = queue.downloads[i];
        EXPECT_TRUE(d.hasName && d.hasSize);
        EXPECT_EQ(d.name + "|" + std::to_string(d.size) + "|" + d.hash->ToHex() + "|" + d.metFile, rows[i]);
        const ClientView* view = queue.ViewOf(*d.hash);
        ASSERT_NE(view, nullptr) << rows[i];
        // No server, no Kad: nothing to download from.
        EXPECT_TRUE(view->state == DownloadState::Waiting && view->sources == 0 && view->done == 0) << rows[i];
        EXPECT_TRUE(view->comments.empty());
    }
    const std::string film = "0123456789abcdef0123456789abcdef", song = "fedcba9876543210fedcba9876543210";
    struct Case { const char* target; std::string hash; };
    for (const Case& c : std::vector<Case>{{"001", film}, {"002.part", song},
                                           {"003.part.met", "00112233445566778899aabbccddeeff"}, {"1", film},
                                           {"FEDCBA9876543210FEDCBA9876543210", song}, {"004", ""},
                                           {"ffffffffffffffffffffffffffffffff", ""}, {"001.met.part", ""}}) {
        const auto hash = ResolveTarget(queue, c.target);
        EXPECT_EQ(hash ? hash->ToHex() : "", c.hash) << c.target;
        if (!hash) {
            EXPECT_EQ(hash.error().kind, AmuleErrorKind::NotFound) << c.target;
        }
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
    // A rating out of range counts as none, and so does -1 (a comment without
    // a rating, all bits set); one scaled to a byte (x51) is read back to its
    // step. A cut group of three is dropped.
    struct Sent { const char* user; const char* file; uint64_t rating; const char* text; };
    for (const Sent& c : {Sent{"alice", "trailer.avi", 1, "only the trailer, looped"}, Sent{"bob", "x.avi", 1, ""},
                          Sent{"carol", "x.avi", 4, "fine"}, Sent{"dave", "x.avi", 9, "?"},
                          Sent{"frank", "x.avi", 204, "good"}, Sent{"gina", "x.avi", UINT64_MAX, "no rating"},
                          Sent{"eve", "x.avi", 1, "cut"}}) {
        for (EcTag part : {StringTag(TagPartfileComments, c.user), StringTag(TagPartfileComments, c.file),
                           IntTag(TagPartfileComments, c.rating), StringTag(TagPartfileComments, c.text)})
            comments.children.push_back(std::move(part));
    }
    comments.children.pop_back();
    kv::Download d;
    ClientView view;
    ASSERT_TRUE(ReadPartfile(Partfile(std::string(16, 'a'), {comments, IntTag(TagPartfileStatus, 7)}), d, view));
    ASSERT_EQ(view.comments.size(), 6u);
    EXPECT_EQ(view.comments[0], (Comment{"alice", "trailer.avi", 1, "only the trailer, looped"}));
    EXPECT_EQ(view.comments[4].rating, 4);
    EXPECT_EQ(view.ratings, (std::array<uint32_t, 6>{2, 2, 0, 0, 2, 0}));
    EXPECT_EQ(view.state, DownloadState::Paused);
    EXPECT_EQ(d.metFile, "012.part.met");
}

TEST(DownloadQueue, TheClientsNotesBecomeTheDownloadsTags) {
    kv::Download d;
    ClientView view;
    ASSERT_TRUE(ReadPartfile(Partfile(std::string(16, 'e'), {IntTag(TagPartfileLostCorruption, 29184000),
                                                              IntTag(TagPartfileLastSeenComplete, 0),
                                                              IntTag(TagPartfileDownloadActive, 200000)}),
                             d, view));
    EXPECT_EQ(d.corruptedBytes, 29184000u);
    EXPECT_EQ(d.lastSeenComplete, 0u);
    EXPECT_EQ(d.activeSeconds, 200000u);
}

TEST(DownloadQueue, StatesFromStatusAndStopped) {
    struct Case { uint64_t status, stopped, xfer; DownloadState state; };
    for (const Case& c : {Case{0, 0, 0, DownloadState::Waiting}, Case{0, 0, 2, DownloadState::Downloading},
                          Case{7, 0, 0, DownloadState::Paused}, Case{7, 1, 0, DownloadState::Stopped},  // stopped wins
                          Case{3, 0, 0, DownloadState::Hashing}, Case{8, 0, 0, DownloadState::Completing},
                          Case{4, 0, 0, DownloadState::Error}, Case{200, 0, 0, DownloadState::Other}}) {
        kv::Download d;
        ClientView view;
        ReadPartfile(Partfile(std::string(16, 'b'), {IntTag(TagPartfileStatus, c.status),
                                                      IntTag(TagPartfileStopped, c.stopped),
                                                      IntTag(TagPartfileSourceCountXfer, c.xfer)}),
                     d, view);
        EXPECT_EQ(view.state, c.state) << c.status << " " << c.stopped << " " << c.xfer;
    }
}

TEST(DownloadQueue, PartfilesWithoutAHashOrTwiceAreLeftOut) {
    EcTag noHash = Partfile(std::string(16, 'c'), {});
    std::erase_if(noHash.children, [](const EcTag& t) { return t.name == TagPartfileHash; });
    const EcTag twice = Partfile(std::string(16, 'd'), {});
    const DownloadQueue queue = ReadDownloadQueue(Packet{OpDloadQueue, {noHash, Partfile("short", {}), twice, twice}});
    EXPECT_EQ(queue.downloads.size(), 1u);
    EXPECT_EQ(queue.views.size(), 1u);
}

TEST(ConnectionSettings, HostAndPort) {
    struct Case { const char* text; const char* parsed; };
    for (const Case& c : std::vector<Case>{{"nas", "nas 4712"}, {"nas.local:4713", "nas.local 4713"},
                                           {"[::1]:4000", "::1 4000"}, {"::1", "::1 4712"}, {"nas:0", ""},
                                           {"nas:65536", ""}, {"nas:47x", ""}, {"[::1", ""}, {"bad\nhost", ""}}) {
        const auto parsed = ParseHostPort(c.text);
        EXPECT_EQ(parsed ? parsed->host + " " + std::to_string(parsed->port) : "", c.parsed) << c.text;
    }
}

TEST(ConnectionSettings, AmuleConfExternalConnect) {
    kv::test::ScopedTempDir dir;
    const std::string md5 = "5ebe2294ecd0e0f08eab7690d2a6ee69";
    struct Case { std::string body; bool accepted; std::string host; uint16_t port; };
    for (const Case& c : std::vector<Case>{
             {"AcceptExternalConnections=1\nECAddress=10.0.0.2\nECPort=4000\nECPassword=" + kv::ToUpperAscii(md5) +
                  "\n", true, "10.0.0.2", 4000},
             {"AcceptExternalConnections=0\nECPassword=" + md5 + "\n", false, "127.0.0.1", kDefaultPort},  // defaults
             {"AcceptExternalConnections=1\nECAddress=0.0.0.0\nECPort=junk\nECPassword=" + md5 + "\n",  // everywhere
              true, "127.0.0.1", kDefaultPort}}) {
        const auto conf = ReadAmuleConfEc(dir.Write("amule.conf", "[ExternalConnect]\n" + c.body));
        ASSERT_TRUE(conf) << c.body;
        EXPECT_EQ(conf->accepted, c.accepted) << c.body;
        EXPECT_EQ(conf->settings, (ConnectionSettings{c.host, c.port, md5})) << c.body;
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
    // A link planted where the file is written first is not written through.
    dir.Write("victim", "untouched");
    const std::string planted = path + ".tmp-" + std::to_string(::getpid());
    ASSERT_EQ(::symlink(dir.File("victim").c_str(), planted.c_str()), 0);
    ASSERT_TRUE(StoreConnection(path, settings));
    EXPECT_EQ(kv::ReadWholeFile(dir.File("victim")), "untouched");
    EXPECT_EQ(ReadStoredConnection(path), settings);
}

}  // namespace
