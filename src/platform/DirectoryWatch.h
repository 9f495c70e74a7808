#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv {

class ChildProcess;

// A directory to follow, and which of its files count.
struct WatchedDirectory {
    std::string path;
    bool downloads = false;          // every *.met in it (a temp directory)
    std::vector<std::string> names;  // and these names (lists, the settings)
    bool operator==(const WatchedDirectory&) const = default;
};

struct DirectoryEvent {
    enum class Kind { Written, Writing, Removed };
    std::string directory, name;
    Kind kind = Kind::Written;
};

// What a wait brought: files that changed, directories to list again whole
// (followed anew, or events were lost), and what the user or the service
// manager asked (SIGHUP: read everything again; SIGINT, SIGTERM: stop).
struct WatchEvents {
    std::vector<DirectoryEvent> files;
    std::vector<std::string> relist;
    bool reload = false;
    bool stopped = false;
    bool empty() const { return files.empty() && relist.empty() && !reload && !stopped; }
};

// What the watch has to say about a followed directory's path.
enum class WatchNote { NotThere, Gone, Replaced, Again };

// Work a wait serves besides the directories: a child process whose end
// wakes it, and a deadline.
class WaitCompanion {
public:
    virtual ~WaitCompanion() = default;
    virtual const ChildProcess* Running() const = 0;
    virtual int DueInMs() const = 0;  // -1: nothing due
    virtual void Service() = 0;
    virtual void StopAll() = 0;       // the watch is stopping
};

// Changes to followed directories, and the stop and reload requests, while
// it lives (they are its own to take: the process is not stopped by them).
// Directories are followed by path: one removed, renamed away, replaced or
// mounted over is followed anew once a directory is at its path again.
class DirectoryWatch {
public:
    using Say = std::function<void(WatchNote, const std::string& path)>;
    static std::unique_ptr<DirectoryWatch> Create(Say say, WaitCompanion* companion);
    virtual ~DirectoryWatch() = default;

    // "" when watching; else the system's reason it cannot.
    virtual const std::string& Failure() const = 0;
    // From now on these directories, and only these.
    virtual void Follow(const std::vector<WatchedDirectory>& directories) = 0;
    // Waits at most timeoutMs (-1: without limit); empty: the time passed.
    virtual WatchEvents Wait(int timeoutMs) = 0;
    // Readable while a stop or reload request waits to be taken by Wait, so
    // that a wait elsewhere (on a network reply) can end at once; -1 for none.
    virtual int RequestFd() const { return -1; }
};

}  // namespace kv
