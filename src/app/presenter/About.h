#pragma once

#include <string>

#include "app/presenter/Session.h"
#include "app/presenter/MainView.h"

namespace kv {

std::string AboutCaption();     // "Kestrivane-Info  1.0.0"
std::string AboutCreditText();  // three lines joined by CR LF
std::string FeedbackMailAddress(const std::string& address);

// Opens a link of the about box; tells the user when it cannot be opened.
void OpenAboutLink(MainView& view, const std::string& address);

// File > Send Feedback and the about box's mail link.
void SendFeedbackMail(const Session& session, MainView& view);

}  // namespace kv
