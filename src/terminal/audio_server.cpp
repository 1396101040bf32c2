#include "terminal/audio_server.h"

#include "terminal/local_socket.h"

namespace yacht {

bool audioServerAnswers(const std::function<std::string(const char*)>& environment)
{
    std::string path = environment("PULSE_SERVER");
    if (path.rfind("unix:", 0) == 0) path = path.substr(5);
    if (path.empty()) {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        path = runtime + "/pulse/native";
    }
    // A server on another machine is not waited for: only a local socket counts.
    if (path.front() != '/') return false;
    return localSocketAnswers(path);
}

}  // namespace yacht
