#include "clients/amule/EcConnection.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>

#include "common/WindowsText.h"
#else
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "clients/amule/EcCodes.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "ed2k/Ed2kHash.h"
#include "ed2k/Md5.h"

namespace kv::ec {
namespace {

#ifdef _WIN32
// Winsock: the same calls under other names, errors from WSAGetLastError, and
// no cancel descriptor (a CRT pipe cannot be polled with a socket).
constexpr int MSG_NOSIGNAL = 0;
int SocketError() { return ::WSAGetLastError(); }
bool WouldBlock(int error) { return error == WSAEWOULDBLOCK; }
bool Interrupted(int error) { return error == WSAEINTR; }
void CloseSocket(int fd) { ::closesocket(static_cast<SOCKET>(fd)); }
int PollSockets(WSAPOLLFD* p, int count, int ms) { return ::WSAPoll(p, static_cast<ULONG>(count), ms); }
using PollEntry = WSAPOLLFD;
std::string ErrorWords(int error) { return win::ErrorText(static_cast<unsigned long>(error)); }

int OpenSocket(const addrinfo& ai) {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) return -1;
    const SOCKET s = ::WSASocketW(ai.ai_family, ai.ai_socktype, ai.ai_protocol, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) return -1;
    u_long nonBlocking = 1;
    ::ioctlsocket(s, FIONBIO, &nonBlocking);
    return static_cast<int>(s);
}
#else
int SocketError() { return errno; }
bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINPROGRESS; }
bool Interrupted(int error) { return error == EINTR; }
void CloseSocket(int fd) { ::close(fd); }
int PollSockets(pollfd* p, int count, int ms) { return ::poll(p, static_cast<nfds_t>(count), ms); }
using PollEntry = pollfd;
std::string ErrorWords(int error) { return std::strerror(error); }
int OpenSocket(const addrinfo& ai) {
    return ::socket(ai.ai_family, ai.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai.ai_protocol);
}
#endif

using Clock = std::chrono::steady_clock;

std::string Md5Hex(std::string_view bytes) { return HashText(Md5(bytes).data()); }

int MillisLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 1 << 30));
}

AmuleError SystemError(AmuleErrorKind kind, int error) { return {kind, ErrorWords(error)}; }

enum class Wait { Ready, TimedOut, Cancelled };

// Waits for one socket to become ready, the deadline to pass or the cancel
// descriptor to become readable.
Wait WaitFor(int fd, short events, Clock::time_point deadline, int cancelFd) {
#ifdef _WIN32
    PollEntry p[1] = {{static_cast<SOCKET>(fd), events, 0}};
    cancelFd = -1;
#else
    PollEntry p[2] = {{fd, events, 0}, {cancelFd, POLLIN, 0}};
#endif
    for (;;) {
        const int n = PollSockets(p, cancelFd >= 0 ? 2 : 1, MillisLeft(deadline));
        if (n > 0) return cancelFd >= 0 && p[cancelFd >= 0 ? 1 : 0].revents != 0 ? Wait::Cancelled : Wait::Ready;
        if (n == 0) return Wait::TimedOut;
        if (!Interrupted(SocketError())) return Wait::Ready;  // the following call reports the error
    }
}

AmuleError WaitError(Wait wait, const char* what) {
    return wait == Wait::Cancelled ? AmuleError{AmuleErrorKind::Cancelled, {}} : AmuleError{AmuleErrorKind::Timeout, what};
}

std::expected<int, AmuleError> ConnectOne(const addrinfo& ai, Clock::time_point deadline, int cancelFd) {
    const int fd = OpenSocket(ai);
    if (fd < 0) return std::unexpected(SystemError(AmuleErrorKind::Refused, SocketError()));
    if (::connect(fd, ai.ai_addr, static_cast<socklen_t>(ai.ai_addrlen)) != 0 && !WouldBlock(SocketError())) {
        const int error = SocketError();
        CloseSocket(fd);
        return std::unexpected(SystemError(AmuleErrorKind::Refused, error));
    }
    if (const Wait wait = WaitFor(fd, POLLOUT, deadline, cancelFd); wait != Wait::Ready) {
        CloseSocket(fd);
        return std::unexpected(WaitError(wait, "no connection"));
    }
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    if (error != 0) {
        CloseSocket(fd);
        return std::unexpected(SystemError(AmuleErrorKind::Refused, error));
    }
    return fd;
}

// A TLS record (an alert or a handshake) where an EC header belongs: the
// daemon wants an encrypted connection. An alert is 7 bytes and then the
// connection closes, so a short header counts too.
bool LooksLikeTls(std::string_view header) {
    return header.size() >= 3 && (header[0] == 0x15 || header[0] == 0x16) && header[1] == 0x03;
}

// What an AUTH_FAIL's reason says beyond "no". aMule sends English texts only.
AmuleErrorKind ClassifyAuthFail(const std::string& reason, AmuleErrorKind otherwise) {
    if (ContainsNoCase(reason, "encrypt") || ContainsNoCase(reason, "TLS")) return AmuleErrorKind::EncryptionRequired;
    if (ContainsNoCase(reason, "protocol version") || ContainsNoCase(reason, "version ID") ||
        ContainsNoCase(reason, "snapshot"))
        return AmuleErrorKind::ProtocolMismatch;
    // The daemon's own ECPassword is no hash: no password can get in.
    if (ContainsNoCase(reason, "invalid hash")) return AmuleErrorKind::Refused;
    return otherwise;
}

std::string ReasonOf(const Packet& reply) {
    const EcTag* text = reply.Tag(TagString);
    return text ? text->Text() : std::string();
}

std::expected<uint64_t, AmuleError> RequestSalt(EcConnection& connection, const std::string& clientName,
                                                const std::string& clientVersion) {
    Packet request{OpAuthReq,
                   {StringTag(TagClientName, clientName), StringTag(TagClientVersion, clientVersion),
                    IntTag(TagProtocolVersion, kProtocolVersion)}};
    auto reply = connection.Exchange(request);
    if (!reply) return std::unexpected(reply.error());
    if (reply->opcode == OpAuthFail) {
        const std::string reason = ReasonOf(*reply);
        // No reason at all: aMule has no External Connections password set and lets nobody in.
        if (reason.empty()) return std::unexpected(AmuleError{AmuleErrorKind::Refused, "it has no password set"});
        return std::unexpected(AmuleError{ClassifyAuthFail(reason, AmuleErrorKind::Refused), reason});
    }
    const EcTag* salt = reply->opcode == OpAuthSalt ? reply->Tag(TagPasswdSalt) : nullptr;
    if (!salt || !salt->Int()) return std::unexpected(AmuleError{AmuleErrorKind::BadReply, "no salt in the login reply"});
    return *salt->Int();
}

}  // namespace

std::string Describe(const AmuleError& error) {
    std::string text;
    switch (error.kind) {
        case AmuleErrorKind::WrongPassword: text = "aMule refused the password"; break;
        case AmuleErrorKind::Refused: text = "aMule refused the connection"; break;
        case AmuleErrorKind::Closed: text = "aMule closed the connection"; break;
        case AmuleErrorKind::Timeout: text = "aMule did not answer in time"; break;
        case AmuleErrorKind::EncryptionRequired:
            text = "aMule accepts encrypted External Connections only, which Kestrivane does not speak";
            break;
        case AmuleErrorKind::ProtocolMismatch: text = "aMule speaks another External Connections protocol"; break;
        case AmuleErrorKind::BadReply: text = "aMule sent a reply that makes no sense"; break;
        case AmuleErrorKind::Failed: text = "aMule could not do it"; break;
        case AmuleErrorKind::NotFound: text = "aMule has no such download"; break;
        case AmuleErrorKind::UnknownHost: text = "aMule's host could not be found"; break;
        case AmuleErrorKind::Cancelled: text = "stopped before aMule answered"; break;
    }
    if (!error.detail.empty()) text += ": " + VisibleControls(ToDisplayUtf8(error.detail));
    return text;
}

EcConnection::~EcConnection() {
    if (fd_ >= 0) CloseSocket(fd_);
}

EcConnection::EcConnection(EcConnection&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), timeouts_(other.timeouts_), limit_(other.limit_) {}

EcConnection& EcConnection::operator=(EcConnection&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) CloseSocket(fd_);
        fd_ = std::exchange(other.fd_, -1);
        timeouts_ = other.timeouts_;
        limit_ = other.limit_;
    }
    return *this;
}

std::expected<EcConnection, AmuleError> EcConnection::Open(const std::string& host, uint16_t port,
                                                           Timeouts timeouts) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
#ifdef _WIN32
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
    if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list); rc != 0)
        return std::unexpected(AmuleError{AmuleErrorKind::UnknownHost, ErrorWords(rc)});
#else
    if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list); rc != 0)
        return std::unexpected(AmuleError{rc == EAI_SYSTEM ? AmuleErrorKind::Refused : AmuleErrorKind::UnknownHost,
                                         rc == EAI_SYSTEM ? std::strerror(errno) : ::gai_strerror(rc)});
#endif
    const auto deadline = Clock::now() + timeouts.connect;
    std::expected<int, AmuleError> fd = std::unexpected(AmuleError{AmuleErrorKind::Refused, "no address"});
    for (const addrinfo* ai = list; ai != nullptr; ai = ai->ai_next) {
        fd = ConnectOne(*ai, deadline, timeouts.cancelFd);
        if (fd || fd.error().kind == AmuleErrorKind::Timeout || fd.error().kind == AmuleErrorKind::Cancelled) break;
    }
    ::freeaddrinfo(list);
    if (!fd) return std::unexpected(fd.error());
    EcConnection connection;
    connection.fd_ = *fd;
    connection.timeouts_ = timeouts;
    return connection;
}

void EcConnection::Close() {
    if (fd_ >= 0) CloseSocket(fd_);
    fd_ = -1;
}

Clock::time_point EcConnection::DeadlineFromNow() const { return std::min(Clock::now() + timeouts_.reply, limit_); }

std::expected<void, AmuleError> EcConnection::SendAll(const std::string& bytes, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int chunk = static_cast<int>(std::min<size_t>(bytes.size() - sent, 1 << 20));
        const ssize_t n = ::send(fd_, bytes.data() + sent, chunk, MSG_NOSIGNAL);
        const int error = n < 0 ? SocketError() : 0;
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && WouldBlock(error)) {
            if (const Wait wait = WaitFor(fd_, POLLOUT, deadline, timeouts_.cancelFd); wait != Wait::Ready)
                return std::unexpected(WaitError(wait, "sending"));
        } else if (n < 0 && !Interrupted(error)) {
            return std::unexpected(SystemError(AmuleErrorKind::Closed, error));
        }
    }
    return {};
}

// Appends to bytes, so that what came before a close can still be told apart.
std::expected<void, AmuleError> EcConnection::ReceiveExactly(size_t count, Clock::time_point deadline,
                                                            std::string& bytes) {
    char buffer[65536];
    const size_t wanted = bytes.size() + count;
    while (bytes.size() < wanted) {
        const ssize_t n = ::recv(fd_, buffer, static_cast<int>(std::min(sizeof buffer, wanted - bytes.size())), 0);
        const int error = n < 0 ? SocketError() : 0;
        if (n > 0) {
            bytes.append(buffer, static_cast<size_t>(n));
        } else if (n == 0) {
            return std::unexpected(AmuleError{AmuleErrorKind::Closed, {}});
        } else if (WouldBlock(error)) {
            if (const Wait wait = WaitFor(fd_, POLLIN, deadline, timeouts_.cancelFd); wait != Wait::Ready)
                return std::unexpected(WaitError(wait, ""));
        } else if (!Interrupted(error)) {
            return std::unexpected(SystemError(AmuleErrorKind::Closed, error));
        }
    }
    return {};
}

std::expected<Packet, AmuleError> EcConnection::Receive(Clock::time_point deadline) {
    std::string headerBytes;
    const auto header = ReceiveExactly(kHeaderSize, deadline, headerBytes);
    if (LooksLikeTls(headerBytes)) return std::unexpected(AmuleError{AmuleErrorKind::EncryptionRequired, {}});
    if (!header) return std::unexpected(header.error());
    const auto read = ReadHeader(headerBytes);
    if (!read) {
        // Other flags: another protocol (or another program) on that port.
        const auto kind = read.error().code == EcErrorCode::BadFlags ? AmuleErrorKind::ProtocolMismatch
                                                                      : AmuleErrorKind::BadReply;
        return std::unexpected(AmuleError{kind, Describe(read.error().code)});
    }
    std::string body;
    if (auto got = ReceiveExactly(read->bodyLength, deadline, body); !got) return std::unexpected(got.error());
    auto packet = ReadBody(read->flags, body);
    if (!packet) return std::unexpected(AmuleError{AmuleErrorKind::BadReply, Describe(packet.error().code)});
    return *std::move(packet);
}

std::expected<Packet, AmuleError> EcConnection::Exchange(const Packet& request) {
    if (fd_ < 0) return std::unexpected(AmuleError{AmuleErrorKind::Closed, {}});
    const auto deadline = DeadlineFromNow();
    auto reply = [&]() -> std::expected<Packet, AmuleError> {
        if (auto sent = SendAll(WritePacket(request), deadline); !sent) return std::unexpected(sent.error());
        return Receive(deadline);
    }();
    if (!reply) Close();
    return reply;
}

std::string SaltedPasswordHash(const std::string& passwordMd5Hex, uint64_t salt) {
    char saltText[17];
    std::snprintf(saltText, sizeof saltText, "%llX", static_cast<unsigned long long>(salt));
    return Md5Hex(ToLowerAscii(passwordMd5Hex) + Md5Hex(saltText));
}

std::expected<ServerInfo, AmuleError> Login(EcConnection& connection, const std::string& passwordMd5Hex,
                                            const std::string& clientName, const std::string& clientVersion) {
    if (!Ed2kHash::FromHex(passwordMd5Hex))
        return std::unexpected(AmuleError{AmuleErrorKind::WrongPassword, "the password's MD5 is not 32 hex digits"});
    const auto salt = RequestSalt(connection, clientName, clientVersion);
    if (!salt) return std::unexpected(salt.error());
    const auto answer = Ed2kHash::FromHex(SaltedPasswordHash(passwordMd5Hex, *salt));
    const std::string raw(answer->bytes().begin(), answer->bytes().end());
    auto reply = connection.Exchange(Packet{OpAuthPasswd, {HashTag(TagPasswdHash, raw)}});
    if (!reply) return std::unexpected(reply.error());
    if (reply->opcode == OpAuthFail) {
        const std::string reason = ReasonOf(*reply);
        return std::unexpected(AmuleError{ClassifyAuthFail(reason, AmuleErrorKind::WrongPassword), reason});
    }
    if (reply->opcode != OpAuthOk) return std::unexpected(AmuleError{AmuleErrorKind::BadReply, "no login answer"});
    const EcTag* version = reply->Tag(TagServerVersion);
    return ServerInfo{version ? version->Text() : std::string()};
}

}  // namespace kv::ec
