#include "AmuleDaemon.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "common/FileUtil.h"

namespace kv::test {
namespace {

sockaddr_in Loopback(uint16_t port) {
    return {.sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
}

bool Accepts(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in addr = Loopback(port);
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

std::string Conf(const std::string& dir, uint16_t ecPort, uint16_t tcpPort, uint16_t udpPort) {
    return "[eMule]\nAddress=127.0.0.1\nPort=" + std::to_string(tcpPort) + "\nUDPPort=" + std::to_string(udpPort) +
           "\nUDPEnable=0\nConnectToKad=0\nConnectToED2K=0\nAutoconnect=0\nReconnect=0\nUPnPEnabled=0\n"
           "TempDir=" + dir + "/Temp\nIncomingDir=" + dir + "/Incoming\n"
           "[ExternalConnect]\nAcceptExternalConnections=1\nECAddress=127.0.0.1\nECPort=" + std::to_string(ecPort) +
           "\nECPassword=" + AmuleDaemon::kPasswordMd5 + "\nUPnPECEnabled=0\n[WebServer]\nEnabled=0\n";
}

}  // namespace

uint16_t FreeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr = Loopback(0);
    socklen_t length = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length);
    ::close(fd);
    return ntohs(addr.sin_port);
}

bool AmuleDaemon::Installed() {
    return std::system("command -v amuled >/dev/null 2>&1 && command -v amulecmd >/dev/null 2>&1") == 0;
}

AmuleDaemon::AmuleDaemon(const std::string& dir, uint16_t ecPort)
    : dir_(dir), port_(ecPort != 0 ? ecPort : FreeLoopbackPort()) {
    ::mkdir((dir_ + "/Temp").c_str(), 0700);
    ::mkdir((dir_ + "/Incoming").c_str(), 0700);
    std::ofstream(ConfFile()) << Conf(dir_, port_, FreeLoopbackPort(), FreeLoopbackPort());
    const std::string home = "HOME=" + dir_;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setpgid(0, 0);
        const int log = ::open((dir_ + "/amuled.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(log, 1);
        ::dup2(log, 2);
        ::putenv(const_cast<char*>(home.c_str()));
        ::execlp("amuled", "amuled", "-c", dir_.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end && !(running_ = Accepts(port_))) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

AmuleDaemon::~AmuleDaemon() { Stop(); }

void AmuleDaemon::Suspend() const {
    if (pid_ > 0) ::kill(pid_, SIGSTOP);
}

void AmuleDaemon::Continue() const {
    if (pid_ > 0) ::kill(pid_, SIGCONT);
}

void AmuleDaemon::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGCONT);  // a stopped one would not end
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 100 && ::waitpid(pid_, nullptr, WNOHANG) != pid_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (i == 99) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    pid_ = -1;
}

std::string AmuleDaemon::Log() const { return ReadWholeFile(dir_ + "/amuled.out").value_or(""); }

std::string AmuleDaemon::Amulecmd(const std::string& command) const {
    // Links hold '|' but never a quote.
    const std::string line = "HOME='" + dir_ + "' timeout 30 amulecmd -h 127.0.0.1 -p " + std::to_string(port_) +
                             " -P '" + kPassword + "' -c '" + command + "' 2>&1";
    std::string out;
    // amuled 2.3.3 drops a connection now and then, amulecmd's too: try again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        out.clear();
        if (FILE* pipe = ::popen(line.c_str(), "r")) {
            std::array<char, 4096> buffer;
            for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
            ::pclose(pipe);
        }
        if (out.find("Connection established") != std::string::npos && out.find(" > ") != std::string::npos) break;
    }
    return out;
}

}  // namespace kv::test
