#pragma once

#include <cstdint>
#include <string>

namespace kv {

// The program's fixed addresses; tests point them at a loopback server.
struct Addresses {
    std::string community = "http://fakes.kestrivane.example";
    std::string feedback = "feedback@kestrivane.example";
    std::string downloadSite = "http://www.kestrivane.example";
    std::string defaultFakeList = "http://update.kestrivane.example/fakecheck/update";
};

// Limits of one HTTP download; tests shorten them.
struct DownloadLimits {
    long connectTimeoutSeconds = 30;
    long lowSpeedTimeSeconds = 60;  // abandoned below 1 byte/s for this long
    int64_t maxBytes = int64_t{256} * 1024 * 1024;
};

// Where the program goes on the network, and how patiently.
struct OnlineSetup {
    Addresses addresses;
    DownloadLimits downloadLimits;
};

}  // namespace kv
