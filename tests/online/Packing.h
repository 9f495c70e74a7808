#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Compressed bodies as servers send them: gzip files of one or more members,
// zip archives of any number of entries.
namespace kv::test {

// deflate with zlib: windowBits 31 gives a gzip member, -15 raw deflate (for a zip entry).
inline std::string Deflate(const std::string& data, int windowBits) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

inline std::string Gzip(const std::string& data) { return Deflate(data, 31); }

inline std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
}

struct ZipEntry {
    std::string name, data;
    bool stored = false;
};

// A whole zip archive: local headers with their data, the central directory and its end record.
inline std::string Zip(const std::vector<ZipEntry>& entries) {
    std::string local, central;
    for (const ZipEntry& e : entries) {
        const std::string packed = e.stored ? e.data : Deflate(e.data, -15);
        const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size()));
        const std::string common = Le(0, 2) + Le(e.stored ? 0 : 8, 2) + Le(0, 4) + Le(crc, 4) +
                                   Le(static_cast<uint32_t>(packed.size()), 4) +
                                   Le(static_cast<uint32_t>(e.data.size()), 4) +
                                   Le(static_cast<uint32_t>(e.name.size()), 2) + Le(0, 2);
        central += "PK\x01\x02" + Le(20, 2) + Le(20, 2) + common + Le(0, 2) + Le(0, 2) + Le(0, 2) + Le(0, 4) +
                   Le(static_cast<uint32_t>(local.size()), 4) + e.name;
        local += "PK\x03\x04" + Le(20, 2) + common + e.name + packed;
    }
    const auto n = static_cast<uint32_t>(entries.size());
    return local + central + "PK\x05\x06" + Le(0, 4) + Le(n, 2) + Le(n, 2) +
           Le(static_cast<uint32_t>(central.size()), 4) + Le(static_cast<uint32_t>(local.size()), 4) + Le(0, 2);
}

inline std::string Zip(const std::string& data, bool stored = false) { return Zip({{"FAKES.DAT", data, stored}}); }

}  // namespace kv::test
