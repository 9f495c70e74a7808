#include "clients/amule/ConnectionSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "ed2k/Ed2kHash.h"
#include "settings/IniFile.h"

namespace kv::ec {
namespace {

constexpr int16_t kValueSize = 255;

std::optional<uint16_t> ParsePort(std::string_view text) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) return std::nullopt;
    return static_cast<uint16_t>(value);
}

bool PlainHost(std::string_view host) {
    return !host.empty() && std::ranges::none_of(host, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7F || c == '/' || c == '[' || c == ']';
    });
}

}  // namespace

bool WritePrivateFile(const std::string& path, const std::string& data) {
    const std::string temp = path + ".tmp-" + std::to_string(::getpid());
    // A file left by an earlier run goes; one planted meanwhile (a link to
    // somewhere else, say) makes the open fail instead of being written through.
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = true;
    size_t written = 0;
    while (ok && written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        else written += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

std::optional<AmuleConfEc> ReadAmuleConfEc(const std::string& amuleConfPath) {
    if (!FileExists(amuleConfPath)) return std::nullopt;
    const auto read = [&](const char* key) {
        return ReadIniString("ExternalConnect", key, "", kValueSize, amuleConfPath);
    };
    AmuleConfEc conf;
    conf.accepted = read("AcceptExternalConnections") == "1";
    const std::string address = read("ECAddress");
    if (!address.empty() && address != "0.0.0.0" && address != "::" && PlainHost(address))
        conf.settings.host = address;
    if (const auto port = ParsePort(read("ECPort"))) conf.settings.port = *port;
    conf.settings.passwordMd5 = ToLowerAscii(read("ECPassword"));
    return conf;
}

std::optional<ConnectionSettings> ReadStoredConnection(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    ConnectionSettings settings;
    settings.host = ReadIniString("aMule", "Host", "", kValueSize, path);
    const auto port = ParsePort(ReadIniString("aMule", "Port", "", kValueSize, path));
    settings.passwordMd5 = ReadIniString("aMule", "PasswordMd5", "", kValueSize, path);
    if (!PlainHost(settings.host) || !port || !Ed2kHash::FromHex(settings.passwordMd5)) return std::nullopt;
    settings.port = *port;
    return settings;
}

bool StoreConnection(const std::string& path, const ConnectionSettings& settings) {
    if (!PlainHost(settings.host) || !Ed2kHash::FromHex(settings.passwordMd5)) return false;
    return WritePrivateFile(path, "[aMule]\nHost=" + settings.host + "\nPort=" + std::to_string(settings.port) +
                                      "\nPasswordMd5=" + ToLowerAscii(settings.passwordMd5) + "\n");
}

std::optional<ConnectionSettings> ParseHostPort(const std::string& text) {
    ConnectionSettings settings;
    std::string_view host = text;
    std::string_view port;
    if (host.starts_with('[')) {
        const size_t close = host.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view rest = host.substr(close + 1);
        host = host.substr(1, close - 1);
        if (!rest.empty()) {
            if (!rest.starts_with(':')) return std::nullopt;
            port = rest.substr(1);
            if (port.empty()) return std::nullopt;
        }
    } else if (std::ranges::count(host, ':') == 1) {
        const size_t colon = host.find(':');
        port = host.substr(colon + 1);
        host = host.substr(0, colon);
        if (port.empty()) return std::nullopt;
    }
    if (!PlainHost(host)) return std::nullopt;
    settings.host = std::string(host);
    if (!port.empty()) {
        const auto value = ParsePort(port);
        if (!value) return std::nullopt;
        settings.port = *value;
    }
    return settings;
}

}  // namespace kv::ec
