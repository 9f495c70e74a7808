#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "usecases/Check.h"

namespace kv {

// How a file in a followed directory changed.
struct FileChange {
    enum class Kind {
        Written,  // closed after writing, or renamed into place: complete
        Writing,  // changed while open for writing: not to be read before it is Written
        Removed,  // deleted, or renamed away
    };
    std::string directory;  // as the watch named it to the source
    std::string name;
    Kind kind = Kind::Written;
};

// What one wait for changes brought.
struct Changes {
    std::vector<FileChange> files{};
    std::vector<std::string> relist{};  // directories to list again whole: followed anew, or events were lost
    bool reload = false;              // the settings and every list again, as the user asked
    bool stopped = false;
    bool empty() const { return files.empty() && relist.empty() && !reload && !stopped; }
};

// A directory to follow, and which of its files count.
struct FollowedDirectory {
    std::string path;
    bool downloads = false;          // every *.met in it (a temp directory)
    std::vector<std::string> names;  // and these names (lists, the settings)
    bool operator==(const FollowedDirectory&) const = default;
};

// Where the watch learns of changes. Directories are followed by path: one
// removed, replaced or mounted again is followed anew once it is there, and
// then named in Changes::relist.
class ChangeSource {
public:
    virtual ~ChangeSource() = default;
    // From now on these directories, and only these.
    virtual void Follow(const std::vector<FollowedDirectory>& directories) = 0;
    // Waits at most timeoutMs (-1: without limit); nothing in the result: the time passed.
    virtual Changes Wait(int timeoutMs) = 0;
    // Readable while a stop or reload waits for Wait: a wait on aMule ends at once. -1 for none.
    virtual int RequestFd() const { return -1; }
};

struct WatchTiming {
    // The downloads changed in a burst are read at the latest delayMs after its
    // first change, however busy the directory; sooner when it is quiet for quietMs.
    int delayMs = 2000;
    int quietMs = 300;
    // A download missing this long is gone (a save may hide its .met for a moment).
    int goneMs = 2000;
    std::function<int64_t()> clock;  // milliseconds, never going back; unset: the steady clock
};

// What the watch tells besides findings and problems.
struct WatchNotice {
    enum class Kind {
        ListReloaded,    // path: a list read again after it changed
        ListKept,        // path: the given list cannot be read now; what it held before is used
        Gone,            // path: the part of a reported download that left its temp directory
        Reloaded,        // the settings and every list were read again, as asked
    };
    Kind kind;
    std::string path;
};

struct WatchHandlers {
    std::function<void()> started;  // every download checked once, the directories and lists followed
    std::function<void(const Finding&)> finding;       // a fake or suspect download, once
    std::function<void(const CheckFailure&)> problem;  // each new failure once, while it lasts
    std::function<void(const WatchNotice&)> notice;
};

// The watch: checks every download at once, then follows the temp directories
// and the lists. A changed download is read again, alone; a changed list is
// read again, alone, and every download judged against it without being read.
// A download is reported once, by its part name and hash: again only when it
// left and came back, or when its verdict grew (a suspect becoming a listed
// fake). Returns when the source stops.
void RunWatch(ListStore& lists, const CheckRequest& request, ChangeSource& changes, const WatchHandlers& handlers,
              const WatchTiming& timing = {});

}  // namespace kv
