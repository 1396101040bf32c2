#include "app/qt_no_display.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <libspeechd.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace yacht {
namespace {

const char* const kLine =
    "yacht: the game needs a graphical session (a desktop with a display); to run it without one, "
    "for tests, use: QT_QPA_PLATFORM=offscreen yacht --transcript -";
const char* const kSpoken = "Yacht needs a graphical session, a desktop with a display.";

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool x11Answers(const std::string& display)
{
    if (display.empty() && env("DISPLAY").empty()) return false;
    xcb_connection_t* c = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool ok = c && xcb_connection_has_error(c) == 0;
    if (c) xcb_disconnect(c);
    return ok;
}

bool waylandAnswers()
{
    std::string name = env("WAYLAND_DISPLAY");
    if (name.empty()) return false;
    if (name.front() != '/') {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        name = runtime + "/" + name;
    }
    sockaddr_un address{};
    if (name.size() >= sizeof(address.sun_path)) return false;
    address.sun_family = AF_UNIX;
    name.copy(address.sun_path, name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

bool displayAvailable(bool platformNamed, const std::string& display)
{
    if (platformNamed) return true;
    const std::string platform = env("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        // Only the first platform named counts; the others are Qt's fallbacks.
        const std::string first = platform.substr(0, platform.find(';'));
        if (first.rfind("xcb", 0) == 0) return x11Answers(display);
        if (first.rfind("wayland", 0) == 0) return waylandAnswers() || x11Answers(display);
        return true;
    }
    // A display named on the command line is X's: Qt takes the xcb platform for it.
    if (!display.empty()) return x11Answers(display);
    return waylandAnswers() || x11Answers(display);
}

int explainNoDisplay()
{
    std::fprintf(stderr, "%s\n", kLine);
    std::fflush(stderr);
    // speech-dispatcher keeps speaking a message after its client has gone, so the game need not
    // wait for the words; it waits only for the server to take them, and not forever.
    auto said = std::async(std::launch::async, [] {
        char* error = nullptr;
        SPDConnection* spd = spd_open2("yacht", "console", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
        std::free(error);
        if (!spd) return;
        spd_say(spd, SPD_MESSAGE, kSpoken);
        spd_close(spd);
    });
    if (said.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // A speech server that hangs must not hold the player: leave without waiting for it.
        std::_Exit(1);
    }
    return 1;
}

}  // namespace yacht
