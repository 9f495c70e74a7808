#include "inspect/ArrivedHead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kv::inspect {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> ReadArrivedHead(const std::string& partPath, const std::vector<ByteRange>& gaps,
                                           uint64_t size) {
    if (size == 0) return std::nullopt;
    uint64_t want = std::min(size, kHeadWindow);
    for (const ByteRange& g : gaps)
        if (g.begin < g.end && g.begin < want) want = g.begin;
    const uint64_t need = std::min(size, kMinHead);
    if (want < need) return std::nullopt;

    // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
    Fd fd(::open(partPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    want = std::min(want, static_cast<uint64_t>(std::max<off_t>(st.st_size, 0)));
    if (want < need) return std::nullopt;

    // Not cleared first: the reads fill it, and it is cut to what came.
    std::string head;
    head.resize_and_overwrite(static_cast<size_t>(want), [&](char* p, size_t n) {
        size_t got = 0;
        while (got < n) {
            const ssize_t r = ::pread(fd.get(), p + got, n - got, static_cast<off_t>(got));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) break;  // an error or a file that shrank: keep what came
            got += static_cast<size_t>(r);
        }
        return got;
    });
    if (head.size() < need) return std::nullopt;
    return head;
}

std::string PartPathOf(const std::string& partMetPath) {
    const size_t at = partMetPath.rfind(".part.met");
    if (at == std::string::npos) return {};
    return partMetPath.substr(0, at + 5);
}

}  // namespace kv::inspect
