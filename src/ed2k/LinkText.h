#pragma once

#include <string>

#include "ed2k/Download.h"

namespace kv {

// A download's ed2k link: "ed2k://|file|" name "|" size "|" hash "|/".
std::string LinkFor(const Download& download);
// The same as an HTML anchor: <a href="ed2k://|file|name|size|hash|">name</a>.
std::string LinkHtmlFor(const Download& download);

}  // namespace kv
