#pragma once

#include <string>

namespace kv::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::string& path() const { return path_; }
    // path/name
    std::string File(const std::string& name) const;
    // Writes bytes to path/name (directories created) and returns the full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The bytes of path/name, "" when missing.
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace kv::test
