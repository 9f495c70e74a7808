#include "platform/LockFile.h"

#include <windows.h>

#include "common/WindowsText.h"

namespace kv::lockfile {

namespace {

HANDLE H(Handle file) { return reinterpret_cast<HANDLE>(file); }

// Windows' locks are mandatory: locked bytes cannot be read by others. The
// lock is taken far past the text, so that a waiting process still reads who
// holds it.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

}  // namespace

std::optional<Handle> Open(const std::string& path) {
    const HANDLE h = ::CreateFileW(win::Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    return reinterpret_cast<Handle>(h);
}

Attempt TryLock(Handle file) {
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    if (::LockFileEx(H(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return Attempt::Taken;
    const DWORD error = ::GetLastError();
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? Attempt::HeldElsewhere : Attempt::Unsupported;
}

std::string ReadText(Handle file) {
    std::string text;
    char buffer[256];
    while (text.size() < 4096) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(text.size());
        DWORD got = 0;
        if (!::ReadFile(H(file), buffer, sizeof buffer, &got, &at) || got == 0) break;
        text.append(buffer, got);
    }
    return text;
}

void WriteText(Handle file, const std::string& text) {
    LARGE_INTEGER zero{};
    if (!::SetFilePointerEx(H(file), zero, nullptr, FILE_BEGIN) || !::SetEndOfFile(H(file))) return;
    DWORD written = 0;
    ::WriteFile(H(file), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Release(Handle file) {
    LARGE_INTEGER zero{};
    if (::SetFilePointerEx(H(file), zero, nullptr, FILE_BEGIN)) ::SetEndOfFile(H(file));
    Close(file);
}

void Close(Handle file) { ::CloseHandle(H(file)); }

long ProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

// Windows has no fork: a child never shares our handles' locks.
void OnFork(void (*)(), void (*)(), void (*)()) {}

}  // namespace kv::lockfile
