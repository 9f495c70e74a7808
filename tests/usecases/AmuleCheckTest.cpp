#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "TempDir.h"
#include "common/FileUtil.h"
#include "usecases/AmuleCheck.h"

// What other users' clients say makes a suspect only when "Fake" is no lone voice.
namespace kv {
namespace {

using Opt = std::optional<std::string>;

TEST(RatedFake, AtLeastOneFakeAndAtLeastHalfOfTheRatings) {
    // ratings: [1] fake ... [5] excellent
    struct Row { const char* name; std::array<uint32_t, 6> ratings; std::vector<ec::Comment> comments; Opt reason; };
    const std::vector<Row> rows = {
        {"nobody rated it", {}, {}, std::nullopt},
        {"good ratings only", {0, 0, 0, 1, 4, 2}, {}, std::nullopt},
        {"one fake among many good", {0, 1, 0, 0, 3, 1}, {}, std::nullopt},
        {"one fake alone", {0, 1, 0, 0, 0, 0}, {}, "rated Fake by 1 of 1 source"},
        {"three of four, with their words", {0, 3, 0, 0, 1, 0},
         {{"a", "x.avi", 4, "fine"}, {"b", "x.avi", 1, ""}, {"c", "x.avi", 1, "only the trailer, looped"}},
         "rated Fake by 3 of 4 sources: 'only the trailer, looped'"},
        {"half and half", {0, 2, 2, 0, 0, 0}, {}, "rated Fake by 2 of 4 sources"},
    };
    for (const Row& r : rows) {
        ec::ClientView view;
        view.ratings = r.ratings;
        view.comments = r.comments;
        const auto got = RatedFake(view);
        EXPECT_EQ(got ? Opt(got->reason) : std::nullopt, r.reason) << r.name;
        EXPECT_TRUE(!got || got->severity == inspect::Severity::Suspect) << r.name;
    }
}

}  // namespace
}  // namespace kv

// check --amule --pause-fakes against an aMule that answers the login and the
// queue, then hangs: one pause waits its deadline, the rest are given up
// instead of each waiting as long.
namespace kv {
namespace {

std::string Captured(const char* name) {
    return ReadWholeFile(std::string(KV_AMULE_DATA_DIR) + "/" + name).value_or("");
}

// Reads one EC request; false when the other side is gone.
bool ReadRequest(int fd) {
    unsigned char header[8];
    if (::recv(fd, header, 8, MSG_WAITALL) != 8) return false;
    std::string body(size_t{header[4]} << 24 | header[5] << 16 | header[6] << 8 | header[7], '\0');
    return body.empty() || ::recv(fd, body.data(), body.size(), MSG_WAITALL) == static_cast<ssize_t>(body.size());
}

TEST(CheckAmule, GivesUpTheRemainingPausesAfterTheFirstTimeout) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
    socklen_t length = sizeof addr;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::listen(listener, 4);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &length);
    std::atomic<int> connections = 0, pauses = 0;
    std::thread hungAfterQueue([&] {
        for (int fd; (fd = ::accept(listener, nullptr, nullptr)) >= 0; ::close(fd)) {
            ++connections;
            for (const char* reply : {"auth-req-reply.bin", "auth-passwd-reply.bin", "dload-queue-reply.bin"}) {
                if (!ReadRequest(fd)) break;
                const std::string bytes = Captured(reply);
                ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            }
            while (ReadRequest(fd)) ++pauses;  // never answered
        }
    });

    test::ScopedTempDir dir;
    dir.Write("FAKES.DAT", "0123456789ABCDEF0123456789ABCDEF,734003200,Trailer only\r\n"
                           "FEDCBA9876543210FEDCBA9876543210,5242880,Not the song\r\n"
                           "00112233445566778899AABBCCDDEEFF,5000000000,Not the image\r\n");
    ListStore lists(ProgramHome::At(dir.path()));
    ASSERT_TRUE(StoreAmuleConnection(lists.home(), {"127.0.0.1", ntohs(addr.sin_port), std::string(32, 'a')}));
    AmuleCheckRequest request;
    request.pauseFakes = true;
    const auto result = CheckAmule(lists, request, ec::Timeouts{std::chrono::seconds(2), std::chrono::milliseconds(500)});
    ::shutdown(listener, SHUT_RDWR);
    hungAfterQueue.join();
    ::close(listener);

    ASSERT_TRUE(result) << result.error().detail;
    ASSERT_EQ(result->listed.size(), 3u);
    for (const AmuleFinding& af : result->listed) {
        EXPECT_FALSE(af.paused);
        EXPECT_NE(af.pauseError.find("did not answer in time"), std::string::npos) << af.pauseError;
    }
    EXPECT_EQ(pauses, 1) << "one pause tried";
    EXPECT_EQ(connections, 1) << "no login again for the rest";
}

}  // namespace
}  // namespace kv
