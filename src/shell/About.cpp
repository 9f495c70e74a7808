#include "shell/About.h"

#include <string>

#include "common/StringUtil.h"
#include "common/Version.h"

namespace kv {

namespace {

// " 1.0.0": the major number with the blank of its sign position.
std::string VersionWithLeadingBlank() {
    return DecimalText(kVersionMajor, true) + "." + DecimalText(kVersionMinor) + "." + DecimalText(kVersionRevision);
}

}  // namespace

std::string AboutCaption() { return "Kestrivane-Info " + VersionWithLeadingBlank(); }

std::string AboutCreditText() {
    return "Kestrivane, written in C++ with Qt,\r\n"
           "and powered by Brindlecast.\r\n"
           "Thanks to all the SupportinG gUyZ!";
}

std::string FeedbackMailAddress(const AppState& state) {
    return "mailto:" + state.gFeedbackAddress + "?Subject=Some feedback about Kestrivane" +
           VersionWithLeadingBlank() + "&body=My very important blabla";
}

void OpenAboutLink(MainView& view, const std::string& address) {
    if (!view.OpenAddress(address)) view.MessageBox("Errors occurred.  Could not open link.", kMbOk, kAppTitle);
}

void SendFeedbackMail(const AppState& state, MainView& view) {
    if (!view.OpenAddress(FeedbackMailAddress(state))) view.MessageBox("What could this error be?", kMbOk, kAppTitle);
}

}  // namespace kv
