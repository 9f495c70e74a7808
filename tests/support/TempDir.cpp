#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "common/FsPath.h"

namespace kv::test {

namespace fs = std::filesystem;

#ifdef _WIN32
// Windows has no mkdtemp: a random name, taken when the directory could be made new.
ScopedTempDir::ScopedTempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("kestrivane-test-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) path_ = PathText(candidate);
    }
    if (path_.empty()) throw std::runtime_error("no temporary directory could be made");
}
#else
ScopedTempDir::ScopedTempDir() {
    std::string pattern = (fs::temp_directory_path() / "kestrivane-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}
#endif

ScopedTempDir::~ScopedTempDir() {
    std::error_code ec;
    // Make read-only directories writable again so that they can be removed.
    for (auto it = fs::recursive_directory_iterator(FsPath(path_), ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(FsPath(path_), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(FsPath(path_), ec);
}

#ifdef _WIN32
// The native separator, as the program's own joins of a directory and a name give it.
std::string ScopedTempDir::File(const std::string& name) const {
    std::string native = name;
    for (char& c : native)
        if (c == '/') c = '\\';
    return path_ + "\\" + native;
}
#else
std::string ScopedTempDir::File(const std::string& name) const { return path_ + "/" + name; }
#endif

std::string ScopedTempDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string full = File(name);
    fs::create_directories(FsPath(full).parent_path());
    std::ofstream out(FsPath(full), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::string ScopedTempDir::Read(const std::string& name) const {
    std::ifstream in(FsPath(File(name)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace kv::test
