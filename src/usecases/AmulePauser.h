#pragma once

// Pausing fakes in aMule beside a long-running watch.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ed2k/Ed2kHash.h"
#include "settings/Home.h"
#include "usecases/AmuleSession.h"

namespace kv {

// Pauses downloads in the aMule of `amule connect` on a thread of its own, so
// that an aMule that is down, slow or hung never holds up the caller. Each
// pause has one bounded deadline; a pause that failed because aMule could not
// be reached, or did not answer, stays wanted and is tried again until aMule
// answers (aMule started after the watch, or restarted).
class AmulePauser {
public:
    struct Event {
        enum class Kind {
            Paused,        // done (after earlier failures too)
            Waiting,       // aMule could not be reached or did not answer: tried again until it does
            Refused,       // aMule refused it (no such download, say): not tried again
            NoConnection,  // no connection stored: tried again once `amule connect` has stored one
        };
        Kind kind;
        std::string name;  // the download's name as given
        std::string why;   // Waiting, Refused: the failure in a line
    };

    struct Options {
        ec::Timeouts timeouts{std::chrono::milliseconds(3000), std::chrono::milliseconds(5000)};
        std::chrono::milliseconds retry{1000};  // between tries while aMule does not answer
    };

    // told is called on the pauser's thread, once per outcome of a download
    // (Waiting and NoConnection once until the download is paused or refused).
    AmulePauser(ProgramHome home, std::function<void(const Event&)> told, Options options);
    AmulePauser(ProgramHome home, std::function<void(const Event&)> told)
        : AmulePauser(std::move(home), std::move(told), Options{}) {}
    // Ends at once, a wait on aMule included (a name lookup excepted).
    ~AmulePauser();
    AmulePauser(const AmulePauser&) = delete;
    AmulePauser& operator=(const AmulePauser&) = delete;

    void Pause(const Ed2kHash& hash, const std::string& name);

private:
    struct Wanted {
        std::string name;
        bool told = false;  // a Waiting or NoConnection said already
    };
    void Run();
    // One round over every wanted download; false when aMule did not serve.
    bool TryAll(std::map<Ed2kHash, Wanted> wanted);
    void Tell(Event::Kind kind, const Ed2kHash& hash, const std::string& why);

    const ProgramHome home_;
    const std::function<void(const Event&)> told_;
    Options options_;
    int cancel_[2] = {-1, -1};  // written once on the way out: every wait on aMule ends

    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<Ed2kHash, Wanted> wanted_;
    bool fresh_ = false;  // something was asked since the last round
    bool stop_ = false;
    std::optional<AmuleSession> session_;  // the pauser's thread only
    std::thread thread_;
};

}  // namespace kv
