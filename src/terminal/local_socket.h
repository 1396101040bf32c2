#pragma once
// Asking whether a server listens on a local socket, without waiting: how the game tells that a
// sound server or a Wayland compositor is there before it relies on one.

#include <string>

namespace yacht {

// True when the Unix domain socket at `path` (an absolute path) accepts a connection at once;
// the connection is closed again straight away.
bool localSocketAnswers(const std::string& path);

}  // namespace yacht
