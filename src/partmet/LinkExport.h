#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// "ed2k://|file|" name "|" size "|" hash "|/"
std::string Ed2kLink(const std::string& name, const std::string& size, const std::string& hash);
// <a href="ed2k://|file|name|size|hash|">name</a>
std::string Ed2kLinkHtml(const std::string& name, const std::string& size, const std::string& hash);

// The right-click menu's two commands: the selected row's link to the clipboard.
void RechteMaustasteCopyLink_Click(AppState& state, MainView& view);
void RechteMaustasteCopyLinkHTML_Click(AppState& state, MainView& view);

}  // namespace kv
