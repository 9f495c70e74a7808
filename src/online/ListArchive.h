#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv {

// A list body as it came: plain, gzip (1F 8B) or a zip archive (PK 03 04),
// told apart by its first bytes, whatever the address or the server says.
enum class BodyPacking { Plain, Gzip, Zip };

BodyPacking PackingOf(const std::string& body);

struct UnpackedList {
    std::optional<std::string> list;  // the plain list
    std::string failure;              // why not, in a sentence
};

// The plain list of body: itself, or the content of every member of a gzip
// file, or the one file of a zip archive (stored or deflated; an archive of
// several files is refused, naming them). Never more than maxBytes of
// output is held: an archive that inflates past it, or a plain body larger
// than it, is refused, not cut.
UnpackedList UnpackList(std::string body, uint64_t maxBytes);

}  // namespace kv
