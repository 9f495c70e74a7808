#include "platform/Process.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

#include "common/WindowsText.h"

namespace kv {

namespace {

// Each child's job object, by process id: the job holds what the child starts
// in turn (a .cmd's programs), and ending the job ends them all.
std::mutex jobsLock;
std::map<long, HANDLE> jobs;

HANDLE JobOf(long pid) {
    const std::lock_guard guard(jobsLock);
    const auto it = jobs.find(pid);
    return it == jobs.end() ? nullptr : it->second;
}

void DropJob(long pid) {
    const std::lock_guard guard(jobsLock);
    if (const auto it = jobs.find(pid); it != jobs.end()) {
        ::CloseHandle(it->second);
        jobs.erase(it);
    }
}

// One argument as CommandLineToArgvW and the C runtime read it back.
std::wstring Quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// Ours with env on top, sorted as Windows wants its environment blocks.
std::wstring EnvironmentBlock(const Environment& env) {
    std::map<std::wstring, std::wstring, decltype([](const std::wstring& a, const std::wstring& b) {
                 return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                               static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
             })>
        entries;
    if (wchar_t* block = ::GetEnvironmentStringsW()) {
        for (const wchar_t* e = block; *e; e += wcslen(e) + 1) {
            const std::wstring entry = e;
            const size_t equals = entry.find(L'=', 1);  // "=C:=C:\..." entries start with one
            if (equals != std::wstring::npos) entries[entry.substr(0, equals)] = entry.substr(equals + 1);
        }
        ::FreeEnvironmentStringsW(block);
    }
    for (const auto& [k, v] : env) entries[win::Wide(k)] = win::Wide(v);
    std::wstring block;
    for (const auto& [k, v] : entries) block += k + L"=" + v + L'\0';
    return block + L'\0';
}

}  // namespace

std::optional<ChildProcess> ChildProcess::Start(const std::vector<std::string>& argv, const Environment& env) {
    if (argv.empty()) return std::nullopt;
    std::wstring command;
    for (const std::string& a : argv) command += (command.empty() ? L"" : L" ") + Quoted(win::Wide(a));
    std::wstring environment = EnvironmentBlock(env);

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE nothing = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                         OPEN_EXISTING, 0, nullptr);
    HANDLE errors = INVALID_HANDLE_VALUE;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetStdHandle(STD_ERROR_HANDLE), ::GetCurrentProcess(), &errors, 0, TRUE,
                      DUPLICATE_SAME_ACCESS);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = nothing;
    start.hStdOutput = errors;
    start.hStdError = errors;
    PROCESS_INFORMATION made{};
    // Suspended until it is in its job, so that nothing it starts escapes it;
    // a process group of its own, so that Ctrl+Break reaches it alone.
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                          CREATE_SUSPENDED | CREATE_NEW_PROCESS_GROUP | CREATE_UNICODE_ENVIRONMENT,
                                          environment.data(), nullptr, &start, &made);
    if (nothing != INVALID_HANDLE_VALUE) ::CloseHandle(nothing);
    if (errors != INVALID_HANDLE_VALUE) ::CloseHandle(errors);
    if (!started) return std::nullopt;
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (job) ::AssignProcessToJobObject(job, made.hProcess);
    ::ResumeThread(made.hThread);
    ::CloseHandle(made.hThread);
    const long pid = static_cast<long>(made.dwProcessId);
    if (job) {
        const std::lock_guard guard(jobsLock);
        jobs[pid] = job;
    }
    return ChildProcess(pid, reinterpret_cast<intptr_t>(made.hProcess));
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), endHandle_(std::exchange(other.endHandle_, -1)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        if (endHandle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(endHandle_));
        if (pid_ > 0) DropJob(pid_);
        pid_ = std::exchange(other.pid_, -1);
        endHandle_ = std::exchange(other.endHandle_, -1);
    }
    return *this;
}

// Dropped running it is left to run: the job has no kill-on-close.
ChildProcess::~ChildProcess() {
    if (endHandle_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(endHandle_));
    if (pid_ > 0) DropJob(pid_);
}

std::optional<ProcessEnd> ChildProcess::Reap(bool block) {
    if (pid_ <= 0 || endHandle_ == -1) return ProcessEnd{};
    const auto process = reinterpret_cast<HANDLE>(endHandle_);
    if (::WaitForSingleObject(process, block ? INFINITE : 0) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    ProcessEnd end;
    if (::GetExitCodeProcess(process, &code)) end = {ProcessEnd::How::Exited, static_cast<int>(code)};
    DropJob(pid_);
    pid_ = -1;
    return end;
}

// Windows has no polite stop for another console program but Ctrl+Break to
// its group; what does not stop of it is ended with the job by Kill.
void ChildProcess::Terminate() const {
    if (pid_ > 0) ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, static_cast<DWORD>(pid_));
}

void ChildProcess::Kill() const {
    if (pid_ <= 0) return;
    if (const HANDLE job = JobOf(pid_)) ::TerminateJobObject(job, 1);
    else if (endHandle_ != -1) ::TerminateProcess(reinterpret_cast<HANDLE>(endHandle_), 1);
}

}  // namespace kv
