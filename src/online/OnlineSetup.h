#pragma once

#include <cstdint>
#include <string>

namespace kv {

// The program's addresses besides the settings'; tests point them at a loopback
// server. None is built in: no site of the program's is known to last, so the
// user's settings name them (ProgramSiteURL, FeedbackAddress) or nothing is sent.
struct Addresses {
    std::string community;
    std::string feedback;
    std::string downloadSite;
    // No public fake list exists to point at: without an address of the
    // user's own choosing the update has nowhere to go and says so.
    std::string defaultFakeList;
    // An address to try in place of the stored one; the caller stores it once it has served.
    std::string tryFakeList;
};

// Limits of one HTTP download; tests shorten them. A fake list is a few
// MiB; a program setup file tens: at the minimum rate the deadline still
// carries 600 KiB, at a modest 100 KiB/s some 58 MiB.
struct DownloadLimits {
    long connectTimeoutSeconds = 30;
    long totalSeconds = 600;           // the whole transfer, connecting included
    long updateSeconds = 900;          // an update over all its sources, so that five slow ones cannot take 50 min
    long minBytesPerSecond = 1024;     // the average over any lowSpeedTimeSeconds window,
    long lowSpeedTimeSeconds = 30;     // below which the transfer is abandoned
    int64_t maxBytes = int64_t{256} * 1024 * 1024;
};

// Where the program goes on the network, and how patiently.
struct OnlineSetup {
    Addresses addresses;
    DownloadLimits downloadLimits;
};

}  // namespace kv
