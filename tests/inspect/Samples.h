#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ed2k/Download.h"
#include "inspect/ContentType.h"

namespace kv::test {

// A byte literal as a string, embedded NULs included.
template <size_t N>
std::string Bytes(const char (&s)[N]) { return std::string(s, N - 1); }

// v in n bytes, little- or big-endian.
std::string LE(uint64_t v, int n);
std::string BE(uint64_t v, int n);
// head with the bytes at `at` replaced.
inline std::string Patch(std::string head, size_t at, const std::string& bytes) {
    return head.replace(at, bytes.size(), bytes);
}

// A head in tests/inspect/data (made by make-samples.sh); "iso9660", "udf"
// and "iso-..." are put back together with their 32 KiB of leading zeros.
std::string Sample(const std::string& name);

// The size of the whole file a sample is the head of (sizes.txt), at which
// the tests publish it.
uint64_t SampleSize(const std::string& name);

// Structures no free tool writes, built from their published layouts:
// an ASF head with a Script Command object of URL (and FILENAME) commands put
// first into its header object, type names and texts NUL-terminated and
// counted with their NUL as writers store them; a Windows shortcut (shell link) to a program with a web
// address as argument; a Video CD's RIFF CDXA file around the MPEG sample in
// 2,352-byte sectors; a MIDI file.
std::string WithScriptCommands(const std::string& asf, const std::vector<std::string>& urls,
                               const std::vector<std::string>& files = {});
std::string ShellLink(const std::string& target, const std::string& arguments);
std::string VideoCdDat(const std::string& mpegPs);
std::string Midi();

// The ASF head with a Content Encryption object (extended = false) or an
// Extended Content Encryption object with <WRMHEADER> XML (extended = true)
// put first into its header object, as a DRM-locked file has it. An empty
// url leaves the licence URL out.
std::string LockWithDrm(const std::string& asf, const std::string& url, bool extended);

// The ASF head with a Header Extension object holding an Extended Stream
// Properties object (as Windows Media writers store a stream's frame rate)
// put first into its header object.
std::string WithFrameTime(const std::string& asf, int stream, uint64_t hundredNanoseconds);
// Small files that point elsewhere, as users' machines write them: an ASX
// playlist of one stream, an Internet shortcut (.url), a JScript downloader.
const std::string& AsxPlaylist();
const std::string& InternetShortcutFile();
const std::string& JScriptDownloader();

// The ASF head with a content encryption object inside its Header
// Extension object, where newer writers declare DRM.
enum class DrmObject { Standard, Extended, Advanced };
std::string WithExtensionDrm(const std::string& asf, DrmObject which);

// RAR heads built from the format's block layout (no free tool writes RAR):
// one 20,000-byte file entry named film.avi.
enum class RarLock { None, FileEncrypted, HeadersEncrypted };
std::string Rar4(RarLock lock);
std::string Rar5(RarLock lock);

// A clean file of the corpus, published at its true size: what it sniffs as,
// the names it is shared under (nothing to say on any of them), and usual
// names of another container (a note at most).
struct CleanFile {
    std::string what, head;
    uint64_t size;
    inspect::Format format;
    std::vector<std::string> names, usual;
    bool encrypted;
};
std::vector<CleanFile> Corpus();

// A download laid out as the client keeps it: dir/<stem>.part.met with size,
// name, part hashes and gap tags, and dir/<stem>.part with the head's bytes at
// their offsets and zeros in the gaps, ending after its last present byte.
// The Download is what the reader makes of that .part.met.
struct LaidOut {
    std::string metPath, partPath;
    Download download;
};
LaidOut LayOut(const std::string& dir, const std::string& name, const std::string& head, uint64_t size,
               const std::vector<ByteRange>& gaps, const std::vector<Ed2kHash>& partHashes = {},
               const std::string& stem = "001");

}  // namespace kv::test
