// The login against stand-in daemons on loopback that misbehave in the ways a
// real one (or something else on its port) can.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <tuple>

#include "AmuleDaemon.h"
#include "clients/amule/EcCodes.h"
#include "clients/amule/AmuleClient.h"
#include "clients/amule/EcConnection.h"
#include "common/FileUtil.h"

using namespace kv::ec;
using namespace std::chrono_literals;

namespace {

const std::string kMd5 = "5ebe2294ecd0e0f08eab7690d2a6ee69";

// Listens on a free loopback port; serves one connection per script, which
// gets the socket after the connection's first request has been read.
class StandIn {
public:
    explicit StandIn(std::function<void(int)> script) : StandIn(std::vector{std::move(script)}) {}
    explicit StandIn(std::vector<std::function<void(int)>> scripts)
        : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in addr{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t length = sizeof addr;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &length);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this, scripts = std::move(scripts)] {
            for (const auto& script : scripts) {
                const int fd = ::accept(listener_, nullptr, nullptr);
                if (fd < 0) return;
                ++accepted_;
                ReadRequest(fd);
                script(fd);
                ::close(fd);
            }
        });
    }
    ~StandIn() {
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }
    uint16_t port() const { return port_; }
    int accepted() const { return accepted_; }

    static void ReadRequest(int fd) {
        unsigned char header[8];
        if (::recv(fd, header, 8, MSG_WAITALL) != 8) return;
        std::string body(size_t{header[4]} << 24 | header[5] << 16 | header[6] << 8 | header[7], '\0');
        ::recv(fd, body.data(), body.size(), MSG_WAITALL);
    }
    static void Send(int fd, const std::string& bytes) { ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

private:
    int listener_;
    uint16_t port_ = 0;
    std::atomic<int> accepted_ = 0;
    std::thread thread_;
};

std::string AuthFail(const std::string& reason) {
    Packet fail{OpAuthFail, {}};
    if (!reason.empty()) fail.tags.push_back(StringTag(TagString, reason));
    return WritePacket(fail);
}

// The second exchange: answer the salt request, then read the password and do what.
std::function<void(int)> AfterSalt(std::function<void(int)> then) {
    return [then](int fd) {
        StandIn::Send(fd, WritePacket(Packet{OpAuthSalt, {IntTag(TagPasswdSalt, 0x1234)}}));
        StandIn::ReadRequest(fd);
        then(fd);
    };
}

std::function<void(int)> Answer(const std::string& bytes) {
    return [bytes](int fd) { StandIn::Send(fd, bytes); };
}

TEST(EcConnection, ALoginFailsWithItsOwnKind) {
    struct Case { const char* name; std::function<void(int)> script; AmuleErrorKind kind; };
    for (const Case& c : std::vector<Case>{
             {"closes at once", [](int) {}, AmuleErrorKind::Closed},
             {"answers half a packet", [](int fd) {
                  StandIn::Send(fd, WritePacket(Packet{OpAuthSalt, {IntTag(TagPasswdSalt, 1)}}).substr(0, 12));
                  std::this_thread::sleep_for(1500ms);
              }, AmuleErrorKind::Timeout},
             {"speaks TLS", Answer(std::string("\x15\x03\x03\x00\x02\x02\x46\x00", 8)),
              AmuleErrorKind::EncryptionRequired},
             // A TLS server's alert is 7 bytes, then it hangs up: shorter than an EC header.
             {"sends a TLS alert and closes", Answer(std::string("\x15\x03\x01\x00\x02\x02\x46", 7)),
              AmuleErrorKind::EncryptionRequired},
             {"asks for encryption", Answer(AuthFail("Encrypted connection required.")),
              AmuleErrorKind::EncryptionRequired},
             {"another protocol version", Answer(AuthFail("Invalid protocol version.( 0x0204 != 0x0300 )")),
              AmuleErrorKind::ProtocolMismatch},
             {"has no password set", Answer(AuthFail("")), AmuleErrorKind::Refused},
             {"sends no salt", Answer(WritePacket(Packet{OpAuthSalt, {}})), AmuleErrorKind::BadReply},
             {"refuses the password", AfterSalt(Answer(AuthFail("Authentication failed: wrong password."))),
              AmuleErrorKind::WrongPassword},
             {"has a broken password hash",
              AfterSalt(Answer(AuthFail("Authentication failed: invalid hash specified as EC password."))),
              AmuleErrorKind::Refused}}) {
        StandIn standIn(c.script);
        auto connection = EcConnection::Open("127.0.0.1", standIn.port(), Timeouts{2000ms, 500ms});
        ASSERT_TRUE(connection) << c.name;
        const auto info = Login(*connection, kMd5, "test", "1");
        ASSERT_FALSE(info) << c.name;
        EXPECT_EQ(info.error().kind, c.kind) << c.name << ": " << Describe(info.error());
    }
}

TEST(EcConnection, NothingListeningIsRefusedAndANameThatDoesNotResolveIsNotFound) {
    const auto refused = EcConnection::Open("127.0.0.1", kv::test::FreeLoopbackPort());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, AmuleErrorKind::Refused);
    const auto unknown = EcConnection::Open("no-such-host.invalid", 4712);
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().kind, AmuleErrorKind::UnknownHost) << Describe(unknown.error());
}

// A reply that comes after the timeout must never be taken for the next request's.
TEST(EcConnection, ATimeoutClosesTheConnection) {
    StandIn late([](int fd) {
        std::this_thread::sleep_for(700ms);
        StandIn::Send(fd, WritePacket(Packet{OpAuthSalt, {IntTag(TagPasswdSalt, 1)}}));
        std::this_thread::sleep_for(300ms);
    });
    auto connection = EcConnection::Open("127.0.0.1", late.port(), Timeouts{2000ms, 300ms});
    ASSERT_TRUE(connection);
    const auto info = Login(*connection, kMd5, "test", "1");
    ASSERT_FALSE(info);
    EXPECT_EQ(info.error().kind, AmuleErrorKind::Timeout);
    EXPECT_FALSE(connection->IsOpen());
    std::this_thread::sleep_for(500ms);  // the late salt has arrived by now
    EXPECT_EQ(connection->Exchange(Packet{OpAuthReq, {}}).error().kind, AmuleErrorKind::Closed);
}

// aMule drops a connection now and then at once: one more login. A drop that
// comes late is a daemon in trouble: no second wait as long as the first.
TEST(AmuleClient, LogsInAgainAfterAQuickDropOnly) {
    const auto loginOk = AfterSalt(Answer(WritePacket(Packet{OpAuthOk, {StringTag(TagServerVersion, "2.3.3")}})));
    const auto dropLate = [](int) { std::this_thread::sleep_for(2500ms); };
    struct Case { const char* name; std::vector<std::function<void(int)>> scripts; bool connects; int accepted; };
    for (const Case& c : std::vector<Case>{
             {"dropped at once, then served", {[](int) {}, loginOk}, true, 2},
             {"dropped late each time", {dropLate, dropLate, dropLate}, false, 1}}) {
        StandIn standIn(c.scripts);
        auto client = AmuleClient::Connect({"127.0.0.1", standIn.port(), kMd5}, {"test", "1"}, Timeouts{2000ms, 3000ms});
        EXPECT_EQ(client.has_value(), c.connects) << c.name;
        EXPECT_EQ(client ? client->ServerVersion() : "", c.connects ? "2.3.3" : "") << c.name;
        EXPECT_EQ(standIn.accepted(), c.accepted) << c.name;
    }
}

// The queue aMule 2.3.3 sent (captured), with the source names filled in the
// way aMule's encoder sends them: every name under a new id on a connection's
// first reply, then only the changes; a new connection hears them all again.
Packet RecordedQueueWithNames(std::vector<std::tuple<uint32_t, uint32_t, const char*>> changes) {
    auto packet = ReadPacket(kv::ReadWholeFile(KV_AMULE_DATA_DIR "/dload-queue-reply.bin").value_or(""));
    EXPECT_TRUE(packet);
    if (!packet) return {};
    EcTag names = EmptyTag(TagPartfileSourceNames);
    for (const auto& [id, count, name] : changes) {
        EcTag change = IntTag(TagPartfileSourceNames, id);
        if (name) change.children.push_back(StringTag(TagPartfileSourceNames, name));
        change.children.push_back(IntTag(TagPartfileSourceNamesCounts, count));
        names.children.push_back(std::move(change));
    }
    packet->tags.at(0).children.push_back(std::move(names));  // Film One.avi
    return *packet;
}

TEST(AmuleClient, KeepsTheSourceNamesOfEachConnection) {
    const auto login = [](int fd) {
        StandIn::Send(fd, WritePacket(Packet{OpAuthSalt, {IntTag(TagPasswdSalt, 0x1234)}}));
        StandIn::ReadRequest(fd);
        StandIn::Send(fd, WritePacket(Packet{OpAuthOk, {StringTag(TagServerVersion, "2.3.3")}}));
    };
    const auto replies = [login](std::vector<Packet> packets) {
        return [login, packets](int fd) {
            login(fd);
            for (const Packet& p : packets) {
                StandIn::ReadRequest(fd);
                StandIn::Send(fd, WritePacket(p, /*compress=*/true));
            }
        };
    };
    StandIn standIn({replies({RecordedQueueWithNames({{1, 9, "Film One.avi"}, {2, 3, "setup.exe"}, {3, 1, "Film.One.DVDRip.avi"}}),
                              // One more on setup.exe, the DVDRip gone, a new name.
                              RecordedQueueWithNames({{2, 4, nullptr}, {3, 0, nullptr}, {4, 2, "codec.zip"}}),
                              RecordedQueueWithNames({})}),
                     // The daemon dropped the connection: the next one starts its ids anew.
                     replies({RecordedQueueWithNames({{1, 9, "Film One.avi"}, {2, 4, "setup.exe"}, {3, 2, "codec.zip"}})})});
    auto client = AmuleClient::Connect({"127.0.0.1", standIn.port(), kMd5}, {"test", "1"}, Timeouts{2000ms, 3000ms});
    ASSERT_TRUE(client);
    const auto namesNow = [&] {
        auto queue = client->Queue();
        EXPECT_TRUE(queue) << (queue ? "" : Describe(queue.error()));
        std::string shown;
        if (!queue) return shown;
        for (const kv::SourceName& n : queue->views.at(*queue->downloads.at(0).hash).sourceNames)
            shown += n.name + "=" + std::to_string(n.count) + " ";
        EXPECT_TRUE(queue->views.at(*queue->downloads.at(1).hash).sourceNames.empty()) << "another download's names";
        return shown;
    };
    const std::vector<std::string> expected = {"Film One.avi=9 setup.exe=3 Film.One.DVDRip.avi=1 ",
                                               "Film One.avi=9 setup.exe=4 codec.zip=2 ",
                                               "Film One.avi=9 setup.exe=4 codec.zip=2 ",  // no changes: as before
                                               "Film One.avi=9 setup.exe=4 codec.zip=2 "};  // all anew, same names
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(namesNow(), expected[i]) << "reply " << i;
    EXPECT_EQ(standIn.accepted(), 2);
}

}  // namespace
