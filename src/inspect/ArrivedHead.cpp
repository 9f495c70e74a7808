#include "inspect/ArrivedHead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/DirectoryFiles.h"

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
    return ReadArrivedHeadAt(AT_FDCWD, partPath, gaps, size);
}

std::optional<std::string> ReadArrivedHeadAt(int dirFd, const std::string& partName, const std::vector<ByteRange>& gaps,
                                             uint64_t size) {
    if (size == 0) return std::nullopt;
    uint64_t want = std::min(size, kHeadWindow);
    for (const ByteRange& g : gaps)
        if (g.begin < g.end && g.begin < want) want = g.begin;
    const uint64_t need = std::min(size, kMinHead);
    if (want < need) return std::nullopt;

    // No size asked first: a shorter file gives fewer bytes, and what is no
    // file fails the read (a directory, a FIFO: no seeking read).
    Fd fd(OpenForReadingAt(dirFd, partName.c_str()));
    if (fd.get() < 0) return std::nullopt;

    // Not cleared first: the reads fill it, and it is cut to what came.
    std::string head;
    head.resize_and_overwrite(static_cast<size_t>(want), [&](char* p, size_t n) {
        size_t got = 0;
        while (got < n) {
            const long long r = ReadAtOffset(fd.get(), p + got, n - got, got);
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
