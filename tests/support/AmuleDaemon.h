#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace kv::test {

// A throwaway amuled on loopback: its own configuration directory (servers,
// Kad and UPnP off, External Connections on a free port with a known
// password), HOME pointed into it, killed when the object goes.
class AmuleDaemon {
public:
    static constexpr const char* kPassword = "kestrivane-test";
    static constexpr const char* kPasswordMd5 = "357be7335c3bb6bd39d1486d011dd78e";

    // Whether amuled and amulecmd are installed; the tests skip without them.
    static bool Installed();

    // Starts it in dir (which must exist) and waits for its EC port (ecPort,
    // or a free one); Running() says whether that worked, Log() what amuled said.
    explicit AmuleDaemon(const std::string& dir, uint16_t ecPort = 0);
    ~AmuleDaemon();
    AmuleDaemon(const AmuleDaemon&) = delete;
    AmuleDaemon& operator=(const AmuleDaemon&) = delete;

    bool Running() const { return running_; }
    uint16_t Port() const { return port_; }
    const std::string& ConfigDir() const { return dir_; }
    std::string ConfFile() const { return dir_ + "/amule.conf"; }
    std::string Log() const;

    // SIGSTOP and SIGCONT: a hung daemon whose port still takes connections.
    void Suspend() const;
    void Continue() const;

    // Runs amulecmd with one command against this daemon; its output.
    std::string Amulecmd(const std::string& command) const;

private:
    void Stop();

    std::string dir_;
    uint16_t port_ = 0;
    pid_t pid_ = -1;
    bool running_ = false;
};

// A TCP port on 127.0.0.1 that nothing listens on right now.
uint16_t FreeLoopbackPort();

}  // namespace kv::test
