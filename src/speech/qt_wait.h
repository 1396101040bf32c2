#pragma once
// Waiting on the user-interface thread for speech or sound to end, without freezing the window.

#include <chrono>
#include <functional>

namespace yacht {

// Runs a local event loop until `finished` returns true or the deadline passes. The window keeps
// painting and keeps taking keys, which it only records; the engine's tick does not run again
// while one is in progress, so keys typed meanwhile are acted on once it ends.
void waitUntil(const std::function<bool()>& finished, std::chrono::steady_clock::time_point deadline);

}  // namespace yacht
