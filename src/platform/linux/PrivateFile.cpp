#include "platform/PrivateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kv {

std::expected<void, std::string> CreatePrivateFile(const std::string& path, const std::string& bytes) {
    // Made with the owner's bits only from the start: never readable by others for a moment.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return std::unexpected(std::string(std::strerror(errno)));
    int error = 0;
    for (size_t done = 0; done < bytes.size() && !error;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        else done += static_cast<size_t>(n);
    }
    if (!error && ::fsync(fd) != 0) error = errno;
    ::close(fd);
    if (error) {
        ::unlink(path.c_str());
        return std::unexpected(std::string(std::strerror(error)));
    }
    return {};
}

bool ReadableByOthers(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IROTH)) != 0;
}

}  // namespace kv
