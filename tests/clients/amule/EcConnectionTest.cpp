// The login against stand-in daemons on loopback that misbehave in the ways a
// real one (or something else on its port) can.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

#include "AmuleDaemon.h"
#include "clients/amule/EcCodes.h"
#include "clients/amule/EcConnection.h"

using namespace kv::ec;
using namespace std::chrono_literals;

namespace {

const std::string kMd5 = "5ebe2294ecd0e0f08eab7690d2a6ee69";

// Listens on a free loopback port; serves one connection with script, which
// gets the socket after the first request has been read.
class StandIn {
public:
    explicit StandIn(std::function<void(int)> script) : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in addr{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t length = sizeof addr;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &length);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this, script = std::move(script)] {
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0) return;
            ReadRequest(fd);
            script(fd);
            ::close(fd);
        });
    }
    ~StandIn() {
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }
    uint16_t port() const { return port_; }

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
             {"asks for encryption", Answer(AuthFail("Encrypted connection required.")),
              AmuleErrorKind::EncryptionRequired},
             {"another protocol version", Answer(AuthFail("Invalid protocol version.( 0x0204 != 0x0300 )")),
              AmuleErrorKind::ProtocolMismatch},
             {"speaks HTTP", Answer("HTTP/1.1 400 Bad Request\r\n\r\n"), AmuleErrorKind::ProtocolMismatch},
             {"has no password set", Answer(AuthFail("")), AmuleErrorKind::Refused},
             {"sends no salt", Answer(WritePacket(Packet{OpAuthSalt, {}})), AmuleErrorKind::BadReply},
             {"sends a broken tree", Answer(std::string("\0\0\0\x20\0\0\0\x01\x4F", 9)), AmuleErrorKind::BadReply},
             {"refuses the password", AfterSalt(Answer(AuthFail("Authentication failed: wrong password."))),
              AmuleErrorKind::WrongPassword},
             {"has a broken password hash",
              AfterSalt(Answer(AuthFail("Authentication failed: invalid hash specified as EC password."))),
              AmuleErrorKind::Refused},
             {"closes after the password", AfterSalt([](int) {}), AmuleErrorKind::Closed}}) {
        StandIn standIn(c.script);
        auto connection = EcConnection::Open("127.0.0.1", standIn.port(), Timeouts{2000ms, 500ms});
        ASSERT_TRUE(connection) << c.name;
        const auto info = Login(*connection, kMd5, "test", "1");
        ASSERT_FALSE(info) << c.name;
        EXPECT_EQ(info.error().kind, c.kind) << c.name << ": " << Describe(info.error());
    }
}

TEST(EcConnection, NothingListeningIsRefused) {
    const auto connection = EcConnection::Open("127.0.0.1", kv::test::FreeLoopbackPort());
    ASSERT_FALSE(connection);
    EXPECT_EQ(connection.error().kind, AmuleErrorKind::Refused);
}

TEST(EcConnection, LogsInAndTellsTheVersion) {
    StandIn standIn(AfterSalt(Answer(WritePacket(Packet{OpAuthOk, {StringTag(TagServerVersion, "2.3.3")}}))));
    auto connection = EcConnection::Open("localhost", standIn.port());
    ASSERT_TRUE(connection);
    const auto info = Login(*connection, kMd5, "test", "1");
    ASSERT_TRUE(info) << Describe(info.error());
    EXPECT_EQ(info->version, "2.3.3");
}

TEST(EcConnection, AServersTextIsMadeVisible) {
    const std::string text = Describe(AmuleError{AmuleErrorKind::Failed, "no\x1B[2Jway\n"});
    EXPECT_EQ(text.find('\x1B'), std::string::npos) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
}

}  // namespace
