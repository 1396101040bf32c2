#pragma once
// Waiting on the user-interface thread for speech or sound to end, without freezing the window.

#include <chrono>
#include <functional>

namespace yacht {

// Runs a local event loop that leaves user input queued until `finished` returns true or the
// deadline passes. The window keeps painting; keys typed meanwhile arrive afterwards, and the
// engine's tick does not run again while one is in progress.
void waitUntil(const std::function<bool()>& finished, std::chrono::steady_clock::time_point deadline);

}  // namespace yacht
