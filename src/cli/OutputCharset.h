#pragma once

// The command line's texts are UTF-8; a terminal under a locale of another
// charset (de_DE.ISO-8859-1) gets them in its own, transliterated where it has
// no letter for one. Names keep their bytes under the plain C locale, where
// nothing is translated: scripts and cron mails read what they always read.

#ifdef _WIN32
// Windows' console is switched to UTF-8 (console::Prepare): nothing is converted there.
using iconv_t = void*;
#else
#include <iconv.h>
#endif

#include <memory>
#include <streambuf>
#include <string>

namespace kv::cli {

// The charset to convert to, or "" to write UTF-8 as it is. codeset is the
// locale's (nl_langinfo(CODESET)); localeName the one the environment asks for
// (LC_ALL, LC_CTYPE or LANG), whose ".charset" serves when that locale is not
// installed; translated: the texts are in a language other than English.
std::string OutputCharset(const std::string& codeset, const std::string& localeName, bool translated);

// A stream buffer that converts what passes through it from UTF-8 to charset
// (transliterating what it lacks) and writes it to the buffer it wraps. A
// character cut between two writes is kept until its rest comes.
class CharsetStreambuf final : public std::streambuf {
public:
    CharsetStreambuf(std::streambuf* to, const std::string& charset);
    ~CharsetStreambuf() override;
    CharsetStreambuf(const CharsetStreambuf&) = delete;
    CharsetStreambuf& operator=(const CharsetStreambuf&) = delete;
    bool ok() const { return convert_ != reinterpret_cast<iconv_t>(-1); }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    void Convert(bool all);

    std::streambuf* to_;
    iconv_t convert_;
    std::string pending_;
};

}  // namespace kv::cli
