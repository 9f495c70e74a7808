#include "app/presenter/About.h"

#include "app/presenter/Messages.h"
#include "usecases/ProgramVersion.h"

namespace kv {

std::string AboutCaption() { return "Kestrivane-Info " + msg::VersionWithLeadingBlank(); }

std::string AboutCreditText() {
    return "Kestrivane, written in C++ with Qt,\r\n"
           "and powered by Brindlecast.\r\n"
           "Thanks to all the SupportinG gUyZ!";
}

std::string FeedbackMailAddress(const std::string& address) {
    return "mailto:" + address + "?Subject=Some feedback about Kestrivane" + msg::VersionWithLeadingBlank() +
           "&body=My very important blabla";
}

void OpenAboutLink(MainView& view, const std::string& address) {
    if (!view.OpenAddress(address)) view.MessageBox(msg::LinkOpenFailed(), BoxIcon::None, msg::kAppTitle);
}

void SendFeedbackMail(const Session& session, MainView& view) {
    // No address is built in: a mail to nobody would only open an empty form.
    const std::string address = FeedbackAddress(session, session);
    if (address.empty()) {
        view.MessageBox(msg::NoFeedbackAddress(), BoxIcon::None, msg::kAppTitle);
        return;
    }
    if (!view.OpenAddress(FeedbackMailAddress(address))) view.MessageBox(msg::MailFailed(), BoxIcon::None, msg::kAppTitle);
}

}  // namespace kv
