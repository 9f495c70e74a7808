#pragma once
// The CLI as a child process whose output is read while it runs: stdout on a
// pipe, stderr on a pipe or on a pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace kv::test {

class Spawned {
public:
    // env: variables to set ("" values are removed); KESTRIVANE_HOME is always removed first.
    Spawned(const std::vector<std::string>& args, const std::map<std::string, std::string>& env, bool stderrOnPty) {
        int outPipe[2], errPipe[2] = {-1, -1}, slave = -1;
        if (::pipe(outPipe) != 0) return;
        if (stderrOnPty) {
            if (::openpty(&errFd_, &slave, nullptr, nullptr, nullptr) != 0) return;
        } else if (::pipe(errPipe) != 0) {
            return;
        }
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
            ::dup2(stderrOnPty ? slave : errPipe[1], 2);
            const int null = ::open("/dev/null", O_RDONLY);
            ::dup2(null, 0);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(outPipe[1]);
        outFd_ = outPipe[0];
        if (stderrOnPty) {
            ::close(slave);
        } else {
            ::close(errPipe[1]);
            errFd_ = errPipe[0];
        }
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

    // Reads both streams until done says so or seconds pass; true when done said so.
    bool ReadUntil(const std::function<bool()>& done, double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (!done()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
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
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
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

}  // namespace kv::test
