#include "platform/DirectoryWatch.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>

#include "common/StringUtil.h"
#include "common/WindowsText.h"
#include "platform/Process.h"

namespace kv {

namespace {

// As on other systems: a directory gone is looked for this often, and events
// that come together are handed on together.
constexpr int kPathCheckMs = 1000;
constexpr int kGatherMs = 50;

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool IsMetName(const std::string& name) {
    return name.size() > 4 && ToLowerAscii(std::string_view(name).substr(name.size() - 4)) == ".met";
}

// Ctrl+C, Ctrl+Break, the console window closed, the user logging off: a stop
// request, set in the handler's thread and waited for with the directories.
HANDLE stopEvent = nullptr;
std::atomic<int> watches{0};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (!stopEvent) return FALSE;
    ::SetEvent(stopEvent);
    // A closed console ends the process once the handler returns: the watch
    // gets a moment to stop its child first.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) ::Sleep(2000);
    return TRUE;
}

struct DirectoryId {
    DWORD volume = 0;
    uint64_t index = 0;
    bool operator==(const DirectoryId&) const = default;
};

class ChangesWatch final : public DirectoryWatch {
public:
    ChangesWatch(Say say, WaitCompanion* companion) : say_(std::move(say)), companion_(companion) {
        if (watches.fetch_add(1) == 0) {
            if (!stopEvent) stopEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
            ::ResetEvent(stopEvent);
            ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
        }
        if (!stopEvent) failure_ = win::LastErrorText();
    }
    ~ChangesWatch() override {
        for (Followed& f : followed_) Disarm(f);
        if (watches.fetch_sub(1) == 1) ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    }
    const std::string& Failure() const override { return failure_; }
    void Follow(const std::vector<WatchedDirectory>& directories) override;
    WatchEvents Wait(int timeoutMs) override;

private:
    struct Followed {
        WatchedDirectory what;
        HANDLE dir = INVALID_HANDLE_VALUE;  // not there now
        HANDLE done = nullptr;               // the pending read's event
        OVERLAPPED pending{};
        DirectoryId id;
        std::vector<DWORD> buffer;  // DWORD-aligned, as the notifications must be
    };
    bool Arm(Followed& f);
    static bool Ask(Followed& f);
    static void Disarm(Followed& f);
    void CheckPaths(WatchEvents& events);
    void TakeEvents(Followed& f, WatchEvents& events);

    Say say_;
    WaitCompanion* companion_;
    std::vector<Followed> followed_;
    int64_t nextPathCheck_ = 0;
    std::string failure_;
};

std::optional<DirectoryId> IdOf(HANDLE dir) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(dir, &info)) return std::nullopt;
    return DirectoryId{info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<DirectoryId> IdOfPath(const std::string& path) {
    const HANDLE dir = ::CreateFileW(win::Wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (dir == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool isDir = ::GetFileInformationByHandle(dir, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::optional<DirectoryId> id = isDir ? IdOf(dir) : std::nullopt;
    ::CloseHandle(dir);
    return id;
}

bool ChangesWatch::Ask(Followed& f) {
    ::ResetEvent(f.done);
    f.pending = OVERLAPPED{};
    f.pending.hEvent = f.done;
    // Names coming and going, and writes: Windows tells no end of a write, so a
    // write counts as written and the reader's own checks tell a file caught half-way.
    return ::ReadDirectoryChangesW(f.dir, f.buffer.data(), static_cast<DWORD>(f.buffer.size() * sizeof(DWORD)), FALSE,
                                   FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE,
                                   nullptr, &f.pending, nullptr);
}

bool ChangesWatch::Arm(Followed& f) {
    f.dir = ::CreateFileW(win::Wide(f.what.path).c_str(), FILE_LIST_DIRECTORY,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (f.dir == INVALID_HANDLE_VALUE) return false;
    const std::optional<DirectoryId> id = IdOf(f.dir);
    if (!f.done) f.done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    f.buffer.resize(16384);
    if (!id || !f.done || !Ask(f)) {
        Disarm(f);
        return false;
    }
    f.id = *id;
    return true;
}

void ChangesWatch::Disarm(Followed& f) {
    if (f.dir != INVALID_HANDLE_VALUE) {
        ::CancelIoEx(f.dir, &f.pending);
        DWORD ignored = 0;
        ::GetOverlappedResult(f.dir, &f.pending, &ignored, TRUE);
        ::CloseHandle(f.dir);
        f.dir = INVALID_HANDLE_VALUE;
    }
    if (f.done) {
        ::CloseHandle(f.done);
        f.done = nullptr;
    }
}

void ChangesWatch::Follow(const std::vector<WatchedDirectory>& directories) {
    if (!failure_.empty()) return;
    for (Followed& f : followed_) Disarm(f);
    followed_.clear();
    // Stable places: each pending read points into its own entry.
    followed_.reserve(directories.size());
    for (const WatchedDirectory& d : directories) {
        followed_.emplace_back();
        followed_.back().what = d;
        if (!Arm(followed_.back())) say_(WatchNote::NotThere, d.path);
    }
    nextPathCheck_ = NowMs() + kPathCheckMs;
}

void ChangesWatch::CheckPaths(WatchEvents& events) {
    for (Followed& f : followed_) {
        const std::optional<DirectoryId> id = IdOfPath(f.what.path);
        if (f.dir != INVALID_HANDLE_VALUE) {
            if (id && *id == f.id) continue;
            Disarm(f);
            say_(id ? WatchNote::Replaced : WatchNote::Gone, f.what.path);
        }
        if (id && Arm(f)) {
            say_(WatchNote::Again, f.what.path);
            events.relist.push_back(f.what.path);
        }
    }
}

void ChangesWatch::TakeEvents(Followed& f, WatchEvents& events) {
    DWORD got = 0;
    if (!::GetOverlappedResult(f.dir, &f.pending, &got, FALSE)) {
        // The directory went away under the handle: looked at by path at once.
        Disarm(f);
        say_(WatchNote::Gone, f.what.path);
        nextPathCheck_ = 0;
        return;
    }
    if (got == 0) {
        events.relist.push_back(f.what.path);  // too many at once: events were lost
    } else {
        const auto* base = reinterpret_cast<const char*>(f.buffer.data());
        for (DWORD at = 0;;) {
            const auto* n = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + at);
            const std::string name = win::Utf8(std::wstring_view(n->FileName, n->FileNameLength / sizeof(wchar_t)));
            const bool counts = name.find('\\') == std::string::npos &&
                                ((f.what.downloads && IsMetName(name)) || std::ranges::count(f.what.names, name) > 0);
            if (counts) {
                const bool removed = n->Action == FILE_ACTION_REMOVED || n->Action == FILE_ACTION_RENAMED_OLD_NAME;
                events.files.push_back(
                    {f.what.path, name, removed ? DirectoryEvent::Kind::Removed : DirectoryEvent::Kind::Written});
            }
            if (n->NextEntryOffset == 0) break;
            at += n->NextEntryOffset;
        }
    }
    if (!Ask(f)) {
        Disarm(f);
        nextPathCheck_ = 0;
    }
}

WatchEvents ChangesWatch::Wait(int timeoutMs) {
    WatchEvents events;
    if (!failure_.empty()) {
        events.stopped = true;
        return events;
    }
    int64_t end = timeoutMs < 0 ? -1 : NowMs() + timeoutMs;
    bool gathering = false;
    for (;;) {
        const int64_t now = NowMs();
        if (now >= nextPathCheck_) {
            CheckPaths(events);
            nextPathCheck_ = now + kPathCheckMs;
        }
        if (!events.empty() && !gathering) {
            gathering = true;
            end = end < 0 ? now + kGatherMs : std::min(end, now + kGatherMs);
        }
        if (end >= 0 && now >= end) return events;
        int64_t wake = nextPathCheck_;
        if (end >= 0) wake = std::min(wake, end);
        const ChildProcess* child = companion_ ? companion_->Running() : nullptr;
        int due = companion_ ? companion_->DueInMs() : -1;
        if (child && child->EndHandle() == -1) due = due < 0 ? 50 : std::min(due, 50);
        if (due >= 0) wake = std::min<int64_t>(wake, now + due);

        std::vector<HANDLE> handles{stopEvent};
        std::vector<Followed*> owners{nullptr};
        if (child && child->EndHandle() != -1) {
            handles.push_back(reinterpret_cast<HANDLE>(child->EndHandle()));
            owners.push_back(nullptr);
        }
        for (Followed& f : followed_) {
            if (f.dir == INVALID_HANDLE_VALUE || handles.size() == MAXIMUM_WAIT_OBJECTS) continue;
            handles.push_back(f.done);
            owners.push_back(&f);
        }
        const DWORD r = ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE,
                                                 static_cast<DWORD>(std::max<int64_t>(0, wake - now)));
        if (::WaitForSingleObject(stopEvent, 0) == WAIT_OBJECT_0) {
            events.stopped = true;
            if (companion_) companion_->StopAll();
            return events;
        }
        if (r == WAIT_FAILED) {
            events.stopped = true;
            return events;
        }
        if (companion_) companion_->Service();
        // Every directory whose read is done, not only the first the wait named.
        for (size_t i = 0; i < handles.size(); ++i)
            if (owners[i] && owners[i]->dir != INVALID_HANDLE_VALUE && ::WaitForSingleObject(handles[i], 0) == WAIT_OBJECT_0)
                TakeEvents(*owners[i], events);
    }
}

}  // namespace

std::unique_ptr<DirectoryWatch> DirectoryWatch::Create(Say say, WaitCompanion* companion) {
    return std::make_unique<ChangesWatch>(std::move(say), companion);
}

}  // namespace kv
