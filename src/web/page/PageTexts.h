#pragma once

#include <span>

namespace kv::web {

// The page's own texts, English, in the order the page first uses them.
std::span<const char* const> PageTexts();

}  // namespace kv::web
