#include "platform/ReplacedFile.h"

#include <windows.h>
// windows.h names its own ReplaceFile (ReplaceFileW) as a macro.
#undef ReplaceFile

#include <chrono>
#include <filesystem>
#include <thread>

#include "common/FsPath.h"
#include "common/WindowsText.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

std::string CouldNotWrite(const std::string& path, unsigned long error) {
    return "Could not write " + path + ": " + win::ErrorText(error) + ".";
}

// Only a regular file, or nothing yet, is replaced: a directory or a device
// at the path is refused. Links are rare on Windows and replaced themselves.
std::expected<std::string, std::string> WriteTarget(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return path;
        return std::unexpected(CouldNotWrite(path, error));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::unexpected("Not writing " + path + ": it is a directory, not a regular file.");
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return std::unexpected("Not writing " + path + ": it is not a regular file.");
    return path;
}

bool ProcessGone(unsigned long pid) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool gone = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return gone;
}

// As on other systems: the temporary files of writers gone for a while are removed.
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);

void RemoveStaleTemporaries(const std::string& target) {
    const fs::path t = FsPath(target);
    const std::string prefix = PathText(t.filename()) + ".tmp-";
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(t.parent_path().empty() ? "." : t.parent_path(), ec)) {
        const std::string name = PathText(entry.path().filename());
        if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) continue;
        std::string pid = name.substr(prefix.size());
        if (pid.size() > 4 && pid.ends_with(".old")) pid.resize(pid.size() - 4);
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
        const auto written = fs::last_write_time(entry.path(), ec);
        if (ec || fs::file_time_type::clock::now() - written < kStaleTemporaryAge) continue;
        if (ProcessGone(std::stoul(pid))) fs::remove(entry.path(), ec);
    }
}

// A virus scanner or an indexer may hold a new file open for a moment: a
// refused rename is tried again a few times.
bool Transient(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION; }

// temp takes target's place in one step. ReplaceFileW keeps the old file's
// attributes and permissions; with no old file, MoveFileExW, written through.
DWORD PutInPlace(const std::wstring& temp, const std::wstring& target) {
    DWORD error = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
            ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return 0;
        if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        error = ::GetLastError();
        if (!Transient(error)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return error;
}

}  // namespace

std::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return Write(path, std::span(&part, 1), true);
}

std::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path,
                                                            std::span<const std::string_view> parts, bool durable) {
    const std::expected<std::string, std::string> target = WriteTarget(path);
    if (!target) return std::unexpected(target.error());
    RemoveStaleTemporaries(*target);
    const std::string temp = *target + ".tmp-" + std::to_string(::GetCurrentProcessId());
    const std::wstring wideTemp = win::Wide(temp);
    const HANDLE file = ::CreateFileW(wideTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::unexpected(CouldNotWrite(path, ::GetLastError()));
    DWORD error = 0;
    for (std::string_view part : parts) {
        while (error == 0 && !part.empty()) {
            DWORD written = 0;
            const auto ask = static_cast<DWORD>(std::min<size_t>(part.size(), 1u << 30));
            if (!::WriteFile(file, part.data(), ask, &written, nullptr)) error = ::GetLastError();
            part.remove_prefix(written);
        }
    }
    if (error == 0 && durable && !::FlushFileBuffers(file)) error = ::GetLastError();
    if (!::CloseHandle(file) && error == 0) error = ::GetLastError();
    if (error != 0) {
        ::DeleteFileW(wideTemp.c_str());
        return std::unexpected(CouldNotWrite(path, error));
    }
    return PreparedFile(*target, temp);
}

PreparedFile::PreparedFile(PreparedFile&& other) noexcept
    : target_(std::move(other.target_)), temp_(std::exchange(other.temp_, {})) {}

PreparedFile& PreparedFile::operator=(PreparedFile&& other) noexcept {
    if (this != &other) {
        if (!temp_.empty()) ::DeleteFileW(win::Wide(temp_).c_str());
        target_ = std::move(other.target_);
        temp_ = std::exchange(other.temp_, {});
    }
    return *this;
}

PreparedFile::~PreparedFile() {
    if (!temp_.empty()) ::DeleteFileW(win::Wide(temp_).c_str());
}

std::expected<void, std::string> PreparedFile::Commit() {
    if (temp_.empty()) return {};
    const std::string temp = std::exchange(temp_, {});
    if (const DWORD error = PutInPlace(win::Wide(temp), win::Wide(target_)); error != 0) {
        ::DeleteFileW(win::Wide(temp).c_str());
        return std::unexpected(CouldNotWrite(target_, error));
    }
    return {};
}

std::expected<void, std::string> ReplaceFile(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return ReplaceFile(path, std::span(&part, 1));
}

std::expected<void, std::string> ReplaceFile(const std::string& path, std::span<const std::string_view> parts, bool durable) {
    std::expected<PreparedFile, std::string> prepared = PreparedFile::Write(path, parts, durable);
    if (!prepared) return std::unexpected(prepared.error());
    return prepared->Commit();
}

bool WriteFileAtomic(const std::string& path, const std::string& data) { return ReplaceFile(path, data).has_value(); }

}  // namespace kv
