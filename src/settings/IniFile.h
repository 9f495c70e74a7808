#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <utility>
#include <vector>

#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"

namespace kv {

// The ini (profile) format of the settings file: case-insensitive sections and
// keys, blanks around a value dropped, one matching pair of quotes dropped, the
// first of duplicate sections/keys wins, CR LF and LF files both read.

// Value of key in section of file, or defaultValue when the key is missing;
// either one cut to at most size characters. A missing or unreadable file reads
// as a file without keys. A file starting with a UTF-8 or UTF-16 byte-order
// mark is read as that encoding and its values returned as UTF-8.
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, int16_t size, const std::string& file);

// Stores value (up to its first line break) under key in section of file:
// replaced in place, or appended at the end of its section, or in a new section
// at the end of the file; every other line kept byte for byte, the file's own
// line ending kept. The file is replaced atomically. Returns whether the value
// was stored; callers that only report on the status line may ignore it.
bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file);

// Keys and values of one section, stored in this order.
using IniValues = std::vector<std::pair<std::string, std::string>>;

// WriteIniString for several keys of one section in one replacement of the
// file: all of them reach it or none. The failure names the file and the cause.
[[nodiscard]] std::expected<void, std::string> WriteIniStrings(const std::string& section, const IniValues& values,
                                                               const std::string& file);

// The same replacement written beside the file but not yet renamed over it
// (PreparedFile). The caller holds the directory lock of file until it commits.
std::expected<PreparedFile, std::string> PrepareIniStrings(const std::string& section, const IniValues& values,
                                                           const std::string& file);

// The ensure-key read: when the key reads empty, defaultValue is written and
// the key read once more; when that still reads empty (the file could not be
// written), defaultValue is returned.
std::string EnsureIniString(const std::string& section, const std::string& key,
                            const std::string& defaultValue, int16_t size, const std::string& file);

}  // namespace kv
