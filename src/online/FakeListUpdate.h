#pragma once

#include <string>

#include "lists/ListSources.h"
#include "online/OnlineSetup.h"
#include "settings/Home.h"
#include "online/HttpDownload.h"

namespace kv {

// The version line of Fakes.txt is stored with a 50-character read; a longer
// one would come back cut and compare as older every time, so it is refused.
inline constexpr size_t kMaxVersionLine = 50;

// The server's Fakes.txt against the recorded "FakesDatVersion".
struct ListVersionCheck {
    DownloadResult fetch;        // of Fakes.txt
    bool newer = false;          // the server's number is higher
    std::string serverVersion;   // its first line, trimmed (only when newer)
    bool listNeeded = false;     // newer, or no list here at all
};

// The update address: "FakesDatDownloadURL", written with the default when missing.
std::string FakeListAddress(const ProgramHome& home, const OnlineSetup& net);
// A source's address: source 1 as FakeListAddress, the others as stored.
std::string SourceAddress(const ProgramHome& home, const OnlineSetup& net, const ListSource& source);

// Fetches and compares the list's version number (nothing is written). With
// no address set, nothing is sent: fetch is NotOpened with noAddress.
ListVersionCheck CheckFakeListVersion(const ProgramHome& home, const OnlineSetup& net, TransferProgress* progress);
ListVersionCheck CheckSourceVersion(const ProgramHome& home, const OnlineSetup& net, const ListSource& source, TransferProgress* progress);

// Fetches a source's list (plain, .gz or .zip body) and stores it only when it
// is a fake list (see JudgeList); then its version and Last-Modified are
// recorded: the list and those settings change together or not at all, and a
// failure of either write is NotWritten with the cause in refusal. A refused
// body leaves the list and the settings as they were (status Refused, with the
// cause); a 304 to If-Modified-Since writes nothing; no address set: NotOpened
// with noAddress, nothing sent.
DownloadResult DownloadSourceList(const ProgramHome& home, const OnlineSetup& net, const ListSource& source, const std::string& serverVersion,
                                  TransferProgress* progress);

// Why a body cannot replace a list, or "" when it can.
std::string RefusalOf(const std::string& plainList);

}  // namespace kv
