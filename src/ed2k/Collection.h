#pragma once

#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kLink.h"

namespace kv {

// An eMule collection (.emulecollection): a named list of files.
struct Collection {
    enum class Form { kText, kBinary };

    std::string name;       // binary form only; a text collection is named after its file
    std::string author;
    std::string authorKey;  // the author's public key (binary form), raw bytes
    std::vector<Ed2kLink> files;
    // Entries that could not be read, and a truncated end, for a person; the
    // files before them are still there.
    std::vector<std::string> errors;
    Form form = Form::kBinary;
    bool hasSignature = false;  // bytes after the file list (eMule's RSA signature, not verified)
};

// Either form: the binary one starts with version 1 or 2 as a uint32, anything
// else is read as text. nullopt (with `error`) when nothing in it is a
// collection: a broken binary header, or text without a single link.
[[nodiscard]] std::expected<Collection, std::string> ReadCollection(std::string_view bytes);

// The binary form as eMule writes it: version 2 only when a file needs it,
// the header in old long-form tags, the files in short-form tags. No signature.
std::string WriteBinaryCollection(const Collection& collection);

// The text form: one link per line.
std::string WriteTextCollection(const Collection& collection);

}  // namespace kv
