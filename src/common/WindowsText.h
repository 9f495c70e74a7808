#pragma once

// Windows speaks UTF-16 at its API; the program's strings are UTF-8 bytes.
#ifdef _WIN32

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/FileUtil.h"

namespace kv::win {

// UTF-8 to UTF-16 and back; bytes that are no UTF-8 become U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// The system's words for an error code (GetLastError's), without the line end.
std::string ErrorText(unsigned long code);
// strerror's equivalent for the C runtime's errno after a call that set it from GetLastError.
std::string LastErrorText();

// A file opened for reading by its UTF-8 name, as a C runtime descriptor
// (binary, not inherited by children, sharing read, write and delete so that
// a writer renaming over it is not refused); -1 on failure.
int OpenForReadingFd(const std::string& path);
// The identity and state of an open file (volume serial, file index, size,
// write and change times in nanoseconds since 1601); nullopt when not regular.
std::optional<FileStamp> StampOfDescriptor(int fd);
std::optional<FileStamp> StampOfHandle(void* handle);
// One read at an offset, not moving the descriptor's position; -1 on an error.
long long ReadAt(int fd, char* p, size_t n, uint64_t offset);

}  // namespace kv::win

#endif
