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
#include <cstdlib>
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
        int outPipe[2], errPipe[2] = {-1, -1}, slave = -1;
        if (::pipe(outPipe) != 0) return;
        if (onPty ? ::openpty(&errFd_, &slave, nullptr, nullptr, nullptr) != 0 : ::pipe(errPipe) != 0) return;
        std::vector<std::string> envText;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e, name = entry.substr(0, entry.find('='));
            if (name != "KESTRIVANE_HOME" && !env.count(name)) envText.push_back(entry);
        }
        for (const auto& [k, v] : env)
            if (!v.empty()) envText.push_back(k + "=" + v);
        std::vector<char*> argv, envp;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (auto& e : envText) envp.push_back(e.data());
        envp.push_back(nullptr);

        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(outPipe[1], 1);
            ::dup2(onPty ? slave : errPipe[1], 2);
            ::dup2(onPty ? slave : ::open(stdinPath.c_str(), O_RDONLY), 0);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(outPipe[1]);
        outFd_ = outPipe[0];
        ::close(onPty ? slave : errPipe[1]);
        if (!onPty) errFd_ = errPipe[0];
    }
    ~Spawned() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (outFd_ >= 0) ::close(outFd_);
        if (errFd_ >= 0) ::close(errFd_);
    }
    bool Started() const { return pid_ > 0; }
    void Signal(int sig) const { ::kill(pid_, sig); }
    // Types a line on the terminal (onPty only).
    void Type(std::string line) const {
        line += "\n";
        [[maybe_unused]] const ssize_t n = ::write(errFd_, line.data(), line.size());
    }

    // Reads both streams until done says so or seconds pass; true when done said so.
    bool ReadUntil(const std::function<bool()>& done, double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            using std::chrono::milliseconds, std::chrono::steady_clock;
            const auto left = std::chrono::duration_cast<milliseconds>(end - steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
            if (::poll(fds, 2, static_cast<int>(left.count())) <= 0) continue;
            bool any = false;
            for (int i = 0; i < 2; ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
                char buffer[4096];
                const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) (i == 0 ? out : err).append(buffer, static_cast<size_t>(n)), any = true;
            }
            if (!any && eofBoth()) return done();
        }
        return true;
    }
    bool ReadUntilErrHas(const std::string& text, double seconds) {
        return ReadUntil([&] { return err.find(text) != std::string::npos; }, seconds);
    }
    // Reads to the end and returns the exit status (-1 when it did not exit within seconds).
    int Finish(double seconds = 30) {
        ReadUntil([this] { return eofBoth(); }, seconds);
        return Wait();
    }

    std::string out, err;

private:
    bool eofBoth() {
        // A pipe at its end polls as readable and reads 0 (a pty reads -1 with EIO).
        for (int fd : {outFd_, errFd_}) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 0) == 0) return false;
            char c;
            const ssize_t n = ::read(fd, &c, 1);
            if (n > 0) {
                (fd == outFd_ ? out : err) += c;
                return false;
            }
        }
        return true;
    }
    int Wait() {
        int status = 0;
        for (int i = 0; i < 3000; ++i) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : (WIFSIGNALED(status) ? -1000 - WTERMSIG(status) : -1);
            }
            ::usleep(10000);
        }
        return -1;
    }
    pid_t pid_ = -1;
    int outFd_ = -1, errFd_ = -1;
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
        auto child = std::make_unique<Spawned>(Command(args), env, onPty);
        EXPECT_TRUE(child->Started());
        return child;
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
