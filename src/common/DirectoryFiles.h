#pragma once

#include <fcntl.h>

#include <cstdint>
#include <string>

#ifndef AT_FDCWD
// Windows has no descriptors of directories: names there are whole paths, or
// relative to a DirectoryHandle's path kept by the handle's number.
#define AT_FDCWD (-100)
#endif

namespace kv {

// A directory held open, so that its files are opened by name from it: the
// kernel walks the directory's path once instead of once per file.
class DirectoryHandle {
public:
    explicit DirectoryHandle(const std::string& path);
    ~DirectoryHandle();
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;

    bool held() const { return fd_ >= 0; }
    // Where names are opened from: the directory, or the working directory
    // (AT_FDCWD) when it could not be held and names are whole paths.
    int fd() const { return fd_ >= 0 ? fd_ : AT_FDCWD; }

private:
    int fd_ = -1;
};

// One read of up to n bytes at offset, the descriptor's position untouched;
// the count read, 0 at the end, -1 on an error.
long long ReadAtOffset(int fd, char* p, size_t n, uint64_t offset);

// Opens name (relative to dirFd; a whole path with AT_FDCWD) for reading;
// O_NONBLOCK, so that a FIFO in a file's place never waits for a writer. -1 on failure.
int OpenForReadingAt(int dirFd, const char* name);

// Reads name (as for OpenForReadingAt) whole into data, reusing data's memory;
// false when it cannot be read, is no regular file or holds more than maxBytes.
// The file's size and kind are asked for only when the buffer fills (or
// nothing came): most files fit, and the listing has seen their kind.
bool ReadFileAt(int dirFd, const char* name, uint64_t maxBytes, std::string& data);

}  // namespace kv
