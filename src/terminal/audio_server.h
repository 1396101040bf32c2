#pragma once
// Whether the user's PulseAudio or PipeWire answers, asked without waiting and without starting
// one, so the terminal game plays the dice sound only where a server already runs.

#include <functional>
#include <string>

namespace yacht {

// The server named by PULSE_SERVER ("unix:/path" or a path), else the user's pulse/native socket
// under XDG_RUNTIME_DIR: true when a connection to it is accepted at once.
bool audioServerAnswers(const std::function<std::string(const char*)>& environment);

}  // namespace yacht
