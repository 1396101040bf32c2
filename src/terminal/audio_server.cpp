#include "terminal/audio_server.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

}  // namespace yacht
