#pragma once

#include <sys/stat.h>

#include "common/FileUtil.h"

namespace kv::sys {

// A file's identity and state as stat gives them, times in nanoseconds.
inline FileStamp StampOf(const struct stat& st) {
    const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
            ns(st.st_mtim), ns(st.st_ctim)};
}

}  // namespace kv::sys
