#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Download.h"
#include "inspect/ArrivedHead.h"
#include "inspect/ContentType.h"
#include "inspect/Detector.h"
#include "inspect/NameRules.h"
#include "inspect/Suspicion.h"
#include "inspect/ZeroParts.h"

namespace kv::inspect {

struct InspectOptions {
    bool names = true;       // detectors on the download's name
    bool partHashes = true;  // on its part hashes
    bool content = true;     // on the arrived head of the .part
    bool clientTags = true;  // on what the client noted in the .part.met
    bool notes = false;      // a note when nothing stronger is found (callers that count every finding leave it off)
};

// The data against what the name claims. Never flags a name that claims
// nothing known or a program, data of unknown type, or data that fits the name
// (.mp4 holding QuickTime, .mpg holding a transport stream, .webm holding
// Matroska, ...). Names of archives and documents are only checked for
// programs; a Windows program named as an archive is only SelfExtractor.
// Playable video under another video name, and playable audio under another
// audio name, is a note ("it will play").
std::optional<Suspicion> JudgeContent(std::string_view name, std::string_view head);
// Its suspects' reasons; notes give nullopt.
std::optional<std::string> InspectContent(std::string_view name, std::string_view head);

// Every registered detector the options allow, on the download's evidence:
// the strongest suspect (the earlier detector's on a tie), else with
// options.notes the strongest note.
std::optional<Suspicion> JudgeDownload(const Download& d, const std::string& partPath,
                                       const InspectOptions& options = {});
// The same with the .part named in the directory dirFd.
std::optional<Suspicion> JudgeDownloadAt(int dirFd, const Download& d, const std::string& partName,
                                         const InspectOptions& options = {});
std::optional<std::string> InspectDownload(const Download& d, const std::string& partPath,
                                           const InspectOptions& options = {});

// Every finding of every allowed detector, in registration order: for the
// front ends that show all of them, and for tests.
std::vector<Suspicion> AllFindings(const Evidence& e, const InspectOptions& options = {});

// The text the user sees: "Suspect: " + reason.
std::string SuspectText(const std::string& reason);

}  // namespace kv::inspect
