// FindLinks and ReadCollection on inputs of 1x and 8x the size, side by side:
// the ratio of time per byte should stay near 1 (linear work), also for lines
// full of links that never close.
#include <chrono>
#include <cstdio>
#include <string>

#include "ed2k/Collection.h"
#include "ed2k/LinkFinder.h"

namespace {

std::string Page(int copies) {
    const std::string hash = "0123456789abcdef0123456789abcdef";
    std::string block;
    block += "<p>Forum post with <a href=\"ed2k://|file|Some &amp; file.avi|734003200|" + hash + "|/\">a link</a>\n";
    block += "ed2k://|file|Plain line.mkv|5|" + hash + "|/ and magnet:?xt=urn:ed2k:" + hash + "&xl=5&dn=x\n";
    std::string noise;
    for (int i = 0; i < 3000; ++i) noise += "ed2k://|server|";
    block += noise + "\n";
    std::string out;
    for (int i = 0; i < copies; ++i) out += block;
    return out;
}

template <typename F>
double SecondsPerByte(const std::string& input, F&& run) {
    const auto start = std::chrono::steady_clock::now();
    size_t sink = 0;
    for (int i = 0; i < 3; ++i) sink += run(input);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (sink == 0) std::puts("(nothing found)");
    return seconds / (3.0 * static_cast<double>(input.size()));
}

}  // namespace

int main() {
    const auto find = [](const std::string& s) { return kv::FindLinks(s).size(); };
    const std::string small = Page(50), large = Page(400);
    std::printf("FindLinks: time per byte, 8x input / 1x input: %.2f\n",
                SecondsPerByte(large, find) / SecondsPerByte(small, find));

    kv::Collection c;
    for (int i = 0; i < 20000; ++i) {
        kv::Ed2kLink l;
        l.name = "file number " + std::to_string(i) + ".avi";
        l.size = 1000 + static_cast<uint64_t>(i);
        l.hash = *kv::Ed2kHash::FromHex("0123456789abcdef0123456789abcdef");
        c.files.push_back(l);
    }
    const std::string binary = kv::WriteBinaryCollection(c), text = kv::WriteTextCollection(c);
    const auto read = [](const std::string& s) { return kv::ReadCollection(s)->files.size(); };
    std::printf("ReadCollection: time per byte, text form / binary form: %.2f\n",
                SecondsPerByte(text, read) / SecondsPerByte(binary, read));
    return 0;
}
