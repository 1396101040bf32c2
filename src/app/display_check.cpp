#include "app/display_check.h"

#include <cstdlib>
#include <dlfcn.h>

#include "terminal/local_socket.h"

namespace yacht {
namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The X server answers when libxcb connects to it, its authorisation accepted, as Qt's own xcb
// platform would. libxcb is opened only for this question, so a start that never asks X (a game
// in a terminal) never loads it; without libxcb no X window can open either.
bool x11Answers(const std::string& display)
{
    if (display.empty() && env("DISPLAY").empty()) return false;
    void* xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb) return false;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    bool ok = false;
    if (connect && hasError && disconnect) {
        // xcb_connect never returns null: a failed connection is one that has an error.
        void* c = connect(display.empty() ? nullptr : display.c_str(), nullptr);
        ok = c && hasError(c) == 0;
        if (c) disconnect(c);
    }
    ::dlclose(xcb);
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
    return localSocketAnswers(name);
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

}  // namespace yacht
