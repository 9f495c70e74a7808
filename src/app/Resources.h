#pragma once

namespace kv::app {

// Registers the pictures compiled into this library (a static library drops
// its resource initialiser unless someone calls it). Safe to call repeatedly.
void EnsureResources();

}  // namespace kv::app
