#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

std::string AboutCaption();      // "Kestrivane-Info  1.0.0"
std::string AboutCreditText();   // three lines joined by CR LF
std::string FeedbackMailAddress(const AppState& state);

// Opens a link of the about box; tells the user when it cannot be opened.
void OpenAboutLink(MainView& view, const std::string& address);

// File > Send Feedback and the about box's mail link.
void SendFeedbackMail(const AppState& state, MainView& view);

}  // namespace kv
