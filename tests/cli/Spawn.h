#pragma once
// The CLI as a child process whose output is read while it runs: stdout on a
// pipe, stderr on a pipe or on a pseudo-terminal (then also its stdin).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"

extern char** environ;

namespace kv::test {

using Args = std::vector<std::string>;
using Env = std::map<std::string, std::string>;

class Spawned {
public:
    // env: variables to set ("" values are removed); KESTRIVANE_HOME is always removed first.
    Spawned(const Args& args, const Env& env, bool onPty, const std::string& stdinPath = "/dev/null") {
        std::vector<std::string> envText;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e, name = entry.substr(0, entry.find('='));
            if (name != "KESTRIVANE_HOME" && !env.count(name)) envText.push_back(entry);
        }
        for (const auto& [k, v] : env)
            if (!v.empty()) envText.push_back(k + "=" + v);
        std::vector<char*> argv, envp;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        for (auto& e : envText) envp.push_back(e.data());
        argv.push_back(nullptr), envp.push_back(nullptr);
        int toOut[2], toErr[2];  // [0] read here, [1] written by the child
        const int made = onPty ? ::openpty(&toErr[0], &toErr[1], nullptr, nullptr, nullptr) : ::pipe(toErr);
        if (made != 0 || ::pipe(toOut) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(toOut[1], 1), ::dup2(toErr[1], 2);
            ::dup2(onPty ? toErr[1] : ::open(stdinPath.c_str(), O_RDONLY), 0);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(toOut[1]), ::close(toErr[1]);
        fds_[0] = toOut[0], fds_[1] = toErr[0];
    }
    ~Spawned() {
        if (pid_ > 0 && !exited_) ::kill(pid_, SIGKILL), Wait();
        for (int fd : fds_)
            if (fd >= 0) ::close(fd);
    }
    void Signal(int sig) const { ::kill(pid_, sig); }
    // Types a line on the terminal (onPty only).
    void Type(std::string line) const {
        line += "\n";
        [[maybe_unused]] const ssize_t n = ::write(fds_[1], line.data(), line.size());
    }

    // Reads both streams until done says so, both end, or seconds pass; true when done said so.
    bool ReadUntil(const std::function<bool()>& done, double seconds) {
        using namespace std::chrono;
        const auto end = steady_clock::now() + duration<double>(seconds);
        while (!done()) {
            const auto left = duration_cast<milliseconds>(end - steady_clock::now()).count();
            if (left <= 0 || (fds_[0] < 0 && fds_[1] < 0)) return false;
            pollfd polled[2] = {{fds_[0], POLLIN, 0}, {fds_[1], POLLIN, 0}};  // an ended one (-1) is left out
            if (::poll(polled, 2, static_cast<int>(left)) <= 0) continue;
            for (int i = 0; i < 2; ++i) {
                if (polled[i].revents == 0) continue;
                char buffer[4096];
                const ssize_t n = ::read(fds_[i], buffer, sizeof buffer);
                if (n > 0) (i == 0 ? out : err).append(buffer, static_cast<size_t>(n));
                else ::close(fds_[i]), fds_[i] = -1;  // its end; a terminal's reads -1 (EIO)
            }
        }
        return true;
    }
    bool ReadUntilErrHas(const std::string& text, double seconds) {
        return ReadUntil([&] { return err.find(text) != std::string::npos; }, seconds);
    }
    // Reads to the end and returns the exit status: -1000 - the signal that ended it, -1 when it did not end
    // within seconds.
    int Finish(double seconds = 30) {
        ReadUntil([] { return false; }, seconds);
        return Wait();
    }

    std::string out, err;

private:
    int Wait() {
        int status = 0;
        for (int i = 0; i < 3000 && !exited_; ++i)
            if (::waitpid(pid_, &status, WNOHANG) == pid_) exited_ = true;
            else ::usleep(10000);
        if (!exited_) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? -1000 - WTERMSIG(status) : -1;
    }
    pid_t pid_ = -1;
    int fds_[2] = {-1, -1};
    bool exited_ = false;
};

// A finished run: its exit status (as Spawned::Finish gives it) and both outputs.
struct Ran {
    int code = -1;
    std::string out, err;
    bool operator==(const Ran&) const = default;
};
inline void PrintTo(const Ran& r, std::ostream* os) { *os << r.code << " out[" << r.out << "] err[" << r.err << "]"; }

// kestrivane-cli with a program directory (home), a client temp directory and
// a user's $HOME of its own, never through a proxy.
class CliFixture : public ::testing::Test {
protected:
    ScopedTempDir home, temp, user, input;
    Env env{{"HOME", user.path()}, {"no_proxy", "*"}, {"WINEPREFIX", ""}};

    Args Command(Args args) const {
        args.insert(args.begin(), {KV_CLI_PATH, "--home", home.path()});
        return args;
    }
    std::unique_ptr<Spawned> Start(const Args& args, bool onPty = false) {
        return std::make_unique<Spawned>(Command(args), env, onPty);
    }
    // Runs argv (a whole command line) to its end, stdin holding stdinBytes.
    Ran RunArgv(const Args& argv, const std::string& stdinBytes = "") {
        Spawned child(argv, env, false, input.Write("stdin", stdinBytes));
        const int code = child.Finish();
        return {code, child.out, child.err};
    }
    Ran Run(const Args& args, const std::string& stdinBytes = "") { return RunArgv(Command(args), stdinBytes); }
};

}  // namespace kv::test
