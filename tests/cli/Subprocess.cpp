#include "Subprocess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "TempDir.h"

extern char** environ;

namespace kv::test {

namespace {

bool Dropped(const std::string& entry) {
    static const char* const kNames[] = {"KESTRIVANE_HOME=", "http_proxy=", "https_proxy=", "HTTP_PROXY=",
                                         "HTTPS_PROXY=", "all_proxy=", "ALL_PROXY=", "no_proxy=", "NO_PROXY="};
    for (const char* name : kNames)
        if (entry.rfind(name, 0) == 0) return true;
    return false;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir, const std::map<std::string, std::string>& extraEnv) {
    // Output goes to files in a directory of its own, apart from what a test inspects.
    ScopedTempDir capture;
    const std::string outPath = capture.File("stdout");
    const std::string errPath = capture.File("stderr");

    std::vector<std::string> argStore{program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore;
    for (char** e = environ; *e; ++e)
        if (!Dropped(*e)) envStore.emplace_back(*e);
    envStore.emplace_back("no_proxy=*");
    for (const auto& [name, value] : extraEnv) envStore.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0) ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (!workDir.empty() && ::chdir(workDir.c_str()) != 0) ::_exit(127);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) break;
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = capture.Read("stdout");
    result.err = capture.Read("stderr");
    return result;
}

}  // namespace kv::test
