#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

bool IsValidUtf8(std::string_view bytes);

// Appends one code point (up to U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, uint32_t codePoint);

// Bytes as a user sees them, in UTF-8: valid UTF-8 stays as it is (a leading
// byte-order mark dropped), anything else is read as Windows-1252.
std::string ToDisplayUtf8(std::string_view bytes);

// The same for each TAB-separated field on its own, so that one field's
// encoding does not decide another's.
std::string ToDisplayUtf8Fields(std::string_view row);

// Control bytes made visible ("\t", "\n", "\r", "\x1B", ...), and the C1
// controls of UTF-8 text ("\u009B"), so that a name or a server's text can
// neither forge rows nor drive a terminal. Give it text after ToDisplayUtf8:
// the Windows-1252 reading of a stray byte may be a C1 control.
std::string VisibleControls(std::string_view bytes);

// out += VisibleControls(ToDisplayUtf8(bytes)), without a copy when the bytes
// are plain UTF-8 already (as nearly all names are).
void AppendVisible(std::string& out, std::string_view bytes);

}  // namespace kv
