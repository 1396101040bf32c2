#include "app/raise_request.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace yacht {
namespace {

constexpr std::size_t kTokenBound = 512;

std::string cleanToken(const std::string& token)
{
    std::string out;
    for (char c : token) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) continue;
        if (out.size() == kTokenBound) break;
        out += c;
    }
    return out;
}

}  // namespace

std::string raiseMessage(const RaiseRequest& request)
{
    return "raise\t" + cleanToken(request.startupId) + "\t" + cleanToken(request.activationToken) + "\n";
}

bool parseRaiseMessage(const std::string& line, RaiseRequest& out)
{
    std::string text = line;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    const auto first = text.find('\t');
    if (first == std::string::npos || text.substr(0, first) != "raise") return false;
    const auto second = text.find('\t', first + 1);
    if (second == std::string::npos || text.find('\t', second + 1) != std::string::npos) return false;
    out.startupId = cleanToken(text.substr(first + 1, second - first - 1));
    out.activationToken = cleanToken(text.substr(second + 1));
    return true;
}

bool sendRaiseRequest(const std::string& socketPath, const RaiseRequest& request)
{
    sockaddr_un address{};
    if (socketPath.empty() || socketPath.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        const std::string message = raiseMessage(request);
        // The line is far smaller than a socket's buffer, so it goes in one write.
        sent = ::send(fd, message.data(), message.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(message.size());
        // Give the running copy a moment to read it before the connection goes.
        pollfd wait{fd, POLLIN, 0};
        if (sent) ::poll(&wait, 1, 1000);
    }
    ::close(fd);
    return sent;
}

unsigned long startupIdTime(const std::string& startupId)
{
    const auto at = startupId.rfind("_TIME");
    if (at == std::string::npos) return 0;
    unsigned long time = 0;
    for (std::size_t i = at + 5; i < startupId.size() && startupId[i] >= '0' && startupId[i] <= '9'; ++i)
        time = (time * 10 + static_cast<unsigned long>(startupId[i] - '0')) & 0xffffffffUL;
    return time;
}

}  // namespace yacht
