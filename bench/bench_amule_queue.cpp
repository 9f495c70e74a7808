// The memory of `kestrivane-cli check --amule` over a long queue, with the
// rows printed and with --json, against the size of the daemon's reply: a
// stand-in daemon on loopback answers the login and then a download queue of
// N downloads (default 65,535, aMule's most), their names long with
// --long-names. The reply is read whole; every byte past it is the check's.
// Prints figures; nothing is asserted.
//
//   kv_bench_amule_queue [--downloads N] [--long-names 1] [--rounds R]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "BenchSupport.h"
#include "TempDir.h"
#include "clients/amule/ConnectionSettings.h"
#include "clients/amule/EcCodes.h"
#include "clients/amule/EcPacket.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"

namespace {

using namespace kv::bench;
using namespace kv::ec;

std::string Raw(Rng& rng) {
    std::string raw(16, '\0');
    for (char& c : raw) c = static_cast<char>(rng.Next() >> 56);
    return raw;
}

// The queue as aMule sends it: one EC_TAG_PARTFILE a download, its details as children.
std::string QueueReply(int downloads, bool longNames, std::string& listed) {
    Rng rng;
    Packet reply{OpDloadQueue, {}};
    reply.tags.reserve(static_cast<size_t>(downloads));
    for (int i = 0; i < downloads; ++i) {
        const std::string hash = Raw(rng);
        std::string name = "Some.Film." + std::to_string(i) + ".German.DVDRip.XviD.avi";
        if (longNames) name = std::string(200, 'x') + name;
        EcTag file = HashTag(TagPartfile, hash);
        file.children = {HashTag(TagPartfileHash, hash), StringTag(TagPartfileName, name),
                         IntTag(TagPartfileSizeFull, 700000000u + static_cast<uint64_t>(i)),
                         IntTag(TagPartfilePartMetId, static_cast<uint64_t>(i) + 1), IntTag(TagPartfileStatus, 0),
                         IntTag(TagPartfileSourceCount, 3), IntTag(TagPartfileSizeDone, 65536)};
        reply.tags.push_back(std::move(file));
        if (i % 10 == 0)
            listed += kv::HashText(reinterpret_cast<const uint8_t*>(hash.data())) + ",700000000,Fake " +
                      std::to_string(i) + "\r\n";
    }
    return WritePacket(reply);
}

bool ReadRequest(int fd, uint8_t& opcode) {
    unsigned char header[8];
    if (::recv(fd, header, 8, MSG_WAITALL) != 8) return false;
    const uint32_t flags = uint32_t{header[0]} << 24 | header[1] << 16 | header[2] << 8 | header[3];
    std::string body(size_t{header[4]} << 24 | header[5] << 16 | header[6] << 8 | header[7], '\0');
    if (!body.empty() && ::recv(fd, body.data(), body.size(), MSG_WAITALL) != static_cast<ssize_t>(body.size()))
        return false;
    const auto packet = ReadBody(flags, body);
    opcode = packet ? packet->opcode : 0;
    return true;
}

void Send(int fd, const std::string& bytes) { ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

// Serves every connection in turn: salt, login, and the queue for each request of it.
class StandIn {
public:
    explicit StandIn(std::string queue) : queue_(std::move(queue)), listener_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in addr{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
        socklen_t length = sizeof addr;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 4);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &length);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] {
            for (int fd; (fd = ::accept(listener_, nullptr, nullptr)) >= 0;) {
                uint8_t op = 0;
                if (ReadRequest(fd, op)) Send(fd, WritePacket(Packet{OpAuthSalt, {IntTag(TagPasswdSalt, 0x1234)}}));
                if (ReadRequest(fd, op))
                    Send(fd, WritePacket(Packet{OpAuthOk, {StringTag(TagServerVersion, "2.3.3")}}));
                while (ReadRequest(fd, op)) Send(fd, op == OpGetDloadQueue ? queue_ : WritePacket(Packet{OpNoop, {}}));
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

private:
    std::string queue_;
    int listener_;
    uint16_t port_ = 0;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    if (const int launched = LaunchMode(argc, argv); launched >= 0) return launched;
    const int downloads = ArgValue(argc, argv, "--downloads", 65535);
    const bool longNames = ArgValue(argc, argv, "--long-names", 0) != 0;
    const int rounds = std::max(1, ArgValue(argc, argv, "--rounds", 3));
    kv::test::ScopedTempDir home;
    std::string listed;
    const std::string reply = QueueReply(downloads, longNames, listed);
    StandIn daemon(reply);
    kv::WriteFileAtomic(home.File("FAKES.DAT"), listed);
    kv::WriteFileAtomic(home.File("Kestrivane.ini"), "[Display]\r\nShowAllPartMet=YES\r\n");
    kv::ec::StoreConnection(home.File(kConnectionFileName),
                            {"127.0.0.1", daemon.port(), "5ebe2294ecd0e0f08eab7690d2a6ee69"});
    const Run rows = BestRun(rounds, {KV_CLI_PATH, "--home", home.path(), "check", "--amule", "--all"});
    const Run json = BestRun(rounds, {KV_CLI_PATH, "--home", home.path(), "check", "--amule", "--all", "--json"});
    const Run connectOnly = BestRun(rounds, {KV_CLI_PATH, "--home", home.path(), "amule", "pause", "nothing"});
    const double replyMiB = static_cast<double>(reply.size()) / (1 << 20);
    std::printf("%d downloads%s; the reply %.1f MiB; exit status rows %d, json %d\n", downloads,
                longNames ? " with long names" : "", replyMiB, rows.status, json.status);
    std::printf("%-44s %9s %14s\n", "", "peak MiB", "above reply");
    const auto row = [&](const char* what, const Run& run) {
        std::printf("%-44s %9.1f %14.1f\n", what, run.peakKiB / 1024.0, run.peakKiB / 1024.0 - replyMiB);
    };
    row("check --amule --all (rows)", rows);
    row("check --amule --all --json (goal 64 above)", json);
    row("amule pause (login, the queue, no check)", connectOnly);
    return 0;
}
