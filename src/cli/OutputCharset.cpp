#include "cli/OutputCharset.h"

#include <cerrno>

#include "common/StringUtil.h"

#ifdef _WIN32
// No converter: the charset is always UTF-8 there, so none is asked for.
static iconv_t iconv_open(const char*, const char*) { return reinterpret_cast<iconv_t>(-1); }
static int iconv_close(iconv_t) { return 0; }
static size_t iconv(iconv_t, char**, size_t*, char**, size_t*) { return static_cast<size_t>(-1); }
#endif

namespace kv::cli {

namespace {

bool IsUtf8Name(const std::string& charset) {
    return ContainsNoCase(charset, "UTF-8") || ContainsNoCase(charset, "UTF8");
}

// The C locale's codeset, as glibc names it.
bool IsAscii(const std::string& codeset) { return codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII"; }

}  // namespace

std::string OutputCharset(const std::string& codeset, const std::string& localeName, bool translated) {
    if (IsUtf8Name(codeset)) return "";
    if (!IsAscii(codeset)) return codeset;
    // The locale asked for is not installed: its name still says the charset.
    const size_t dot = localeName.find('.');
    if (dot != std::string::npos) {
        const std::string named = localeName.substr(dot + 1, localeName.find('@', dot) - dot - 1);
        if (!named.empty()) return IsUtf8Name(named) ? "" : named;
    }
    return translated ? "ASCII" : "";
}

CharsetStreambuf::CharsetStreambuf(std::streambuf* to, const std::string& charset)
    : to_(to), convert_(::iconv_open((charset + "//TRANSLIT").c_str(), "UTF-8")) {}

CharsetStreambuf::~CharsetStreambuf() {
    Convert(true);
    if (ok()) ::iconv_close(convert_);
}

CharsetStreambuf::int_type CharsetStreambuf::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    pending_ += traits_type::to_char_type(ch);
    if (pending_.size() >= 4096) Convert(false);
    return ch;
}

std::streamsize CharsetStreambuf::xsputn(const char* s, std::streamsize n) {
    pending_.append(s, static_cast<size_t>(n));
    if (pending_.size() >= 4096) Convert(false);
    return n;
}

int CharsetStreambuf::sync() {
    Convert(false);
    return to_->pubsync();
}

void CharsetStreambuf::Convert(bool all) {
    if (pending_.empty()) return;
    if (!ok()) {
        to_->sputn(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        pending_.clear();
        return;
    }
    char* in = pending_.data();
    size_t inLeft = pending_.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = ::iconv(convert_, &in, &inLeft, &out, &outLeft);
        const int err = errno;
        to_->sputn(buffer, static_cast<std::streamsize>(out - buffer));
        if (done != static_cast<size_t>(-1) || err == E2BIG) continue;
        if (err == EINVAL && !all) break;  // a character cut short: its rest is still to come
        // A byte that is no UTF-8, or a letter not even transliterated: a question mark, as iconv's own.
        to_->sputc('?');
        ++in, --inLeft;
    }
    pending_.erase(0, pending_.size() - inLeft);
}

}  // namespace kv::cli
