#pragma once

#include <chrono>
#include <cstdint>
#include <expected>
#include <string>

#include "clients/amule/EcPacket.h"

namespace kv::ec {

enum class AmuleErrorKind {
    WrongPassword,       // the daemon checked the password and said no
    Refused,             // nothing listens there, or the daemon turned the login away
    Closed,              // the connection ended in the middle
    Timeout,             // no connection or no reply in time
    EncryptionRequired,  // the daemon only talks over an encrypted connection
    ProtocolMismatch,    // another EC protocol version, or a reply that is no EC packet
    BadReply,            // a packet that does not read, or not the one expected
    Failed,              // the daemon refused the request (EC_OP_FAILED), with its reason
    NotFound,            // no download of that hash or part number
    UnknownHost,         // the host name does not resolve: nothing was reached
    Cancelled,           // the caller stopped waiting (the program is ending)
};

struct AmuleError {
    AmuleErrorKind kind;
    std::string detail;  // the daemon's text or the system's, as received (not yet made visible)
};

// One line for a user: what went wrong, with the detail made printable.
std::string Describe(const AmuleError& error);

struct Timeouts {
    std::chrono::milliseconds connect{5000};
    std::chrono::milliseconds reply{15000};
    // While readable, every wait ends at once with Cancelled: a program that is
    // ending does not sit out a silent daemon.
    int cancelFd = -1;
};

// A blocking EC connection on the caller's thread: every wait is a poll with
// a timeout, so a silent daemon costs at most the timeout.
class EcConnection {
public:
    EcConnection() = default;
    ~EcConnection();
    EcConnection(EcConnection&& other) noexcept;
    EcConnection& operator=(EcConnection&& other) noexcept;
    EcConnection(const EcConnection&) = delete;
    EcConnection& operator=(const EcConnection&) = delete;

    static std::expected<EcConnection, AmuleError> Open(const std::string& host, uint16_t port,
                                                        Timeouts timeouts = {});

    // Sends a request and waits for its reply, until the reply timeout or the
    // limit, whichever comes first. Any failure closes the connection: a late
    // reply must never be read as the answer to the next request.
    std::expected<Packet, AmuleError> Exchange(const Packet& request);

    // Caps the waits of the exchanges that follow (one command's whole budget).
    void LimitTo(std::chrono::steady_clock::time_point limit) { limit_ = limit; }
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

private:
    std::chrono::steady_clock::time_point DeadlineFromNow() const;
    std::expected<void, AmuleError> SendAll(const std::string& bytes, std::chrono::steady_clock::time_point deadline);
    std::expected<void, AmuleError> ReceiveExactly(size_t count, std::chrono::steady_clock::time_point deadline,
                                                  std::string& bytes);
    std::expected<Packet, AmuleError> Receive(std::chrono::steady_clock::time_point deadline);

    int fd_ = -1;
    Timeouts timeouts_;
    std::chrono::steady_clock::time_point limit_ = std::chrono::steady_clock::time_point::max();
};

// What the login learnt.
struct ServerInfo {
    std::string version;  // "2.3.3"
};

// The salted password answer: MD5 over the lower-case hex of the password's
// MD5 and the lower-case hex MD5 of the salt in upper-case hex.
std::string SaltedPasswordHash(const std::string& passwordMd5Hex, uint64_t salt);

// Logs in with the password's MD5 in hex (what amule.conf keeps as ECPassword).
std::expected<ServerInfo, AmuleError> Login(EcConnection& connection, const std::string& passwordMd5Hex,
                                            const std::string& clientName, const std::string& clientVersion);

}  // namespace kv::ec
