#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv::ec {

inline constexpr uint16_t kDefaultPort = 4712;
inline constexpr const char* kConnectionFileName = "amule-connection.ini";

// Where an aMule listens and the credential it checks: the password's MD5
// in hex, which is what aMule itself stores.
struct ConnectionSettings {
    std::string host = "127.0.0.1";
    uint16_t port = kDefaultPort;
    std::string passwordMd5;
    bool operator==(const ConnectionSettings&) const = default;
};

struct AmuleConfEc {
    ConnectionSettings settings;
    bool accepted = false;  // AcceptExternalConnections=1
};

// The [ExternalConnect] group of an amule.conf; nullopt when the file is
// missing. An ECAddress that listens everywhere (empty, 0.0.0.0, ::) is
// reached on loopback.
std::optional<AmuleConfEc> ReadAmuleConfEc(const std::string& amuleConfPath);

// The stored connection (amule-connection.ini); nullopt when missing or incomplete.
std::optional<ConnectionSettings> ReadStoredConnection(const std::string& path);

// Replaces path with data atomically, the new file readable by its owner only
// (a stored password). False when it could not be written.
bool WritePrivateFile(const std::string& path, const std::string& data);

// Replaces the file atomically, readable by its owner only.
bool StoreConnection(const std::string& path, const ConnectionSettings& settings);

// "host", "host:port", "[v6]:port", "v6"; nullopt for an empty host, a bad
// port or control bytes.
std::optional<ConnectionSettings> ParseHostPort(const std::string& text);

}  // namespace kv::ec
