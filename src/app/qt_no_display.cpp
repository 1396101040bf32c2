#include "app/qt_no_display.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <libspeechd.h>

namespace yacht {
namespace {

const char* const kLine =
    "yacht: the game needs a graphical session (a desktop with a display); to run it without one, "
    "for tests, use: QT_QPA_PLATFORM=offscreen yacht --transcript -";
const char* const kSpoken = "Yacht needs a graphical session, a desktop with a display.";

}  // namespace

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
