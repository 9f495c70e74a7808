#include "app/presenter/About.h"

#include "app/presenter/Messages.h"

namespace kv {

std::string AboutCaption() { return "Kestrivane-Info " + msg::VersionWithLeadingBlank(); }

std::string AboutCreditText() {
    return "Kestrivane, written in C++ with Qt,\r\n"
           "and powered by Brindlecast.\r\n"
           "Thanks to all the SupportinG gUyZ!";
}

std::string FeedbackMailAddress(const Addresses& addresses) {
    return "mailto:" + addresses.feedback + "?Subject=Some feedback about Kestrivane" + msg::VersionWithLeadingBlank() +
           "&body=My very important blabla";
}

void OpenAboutLink(MainView& view, const std::string& address) {
    if (!view.OpenAddress(address)) view.MessageBox(msg::LinkOpenFailed(), BoxIcon::None, msg::kAppTitle);
}

void SendFeedbackMail(const Session& session, MainView& view) {
    if (!view.OpenAddress(FeedbackMailAddress(session.addresses))) view.MessageBox(msg::MailFailed(), BoxIcon::None, msg::kAppTitle);
}

}  // namespace kv
