#include "engine/sound_help.h"

#include "engine/speech_output.h"

namespace yacht {

bool playSound(const Ports& ports, const std::string& name)
{
    if (name.empty()) return false;
    const auto wave = ports.resources.load("WAVE", name);
    if (!wave) return false;  // no such sound: silence, and the game goes on
    ports.sound.play(name, *wave);
    return true;
}

void readHelpPage(Game& g, const Ports& ports, Teller& tell)
{
    if (const auto page = ports.resources.load("TEXT", "help" + decimal(g.helpPage))) {
        // The pages are stored as UTF-8, the text the rest of the game speaks. Zero bytes after
        // the text are no part of it.
        std::string text(page->begin(), page->end());
        while (!text.empty() && text.back() == '\0') text.pop_back();
        sayAtOnce(ports.voice, tell, {event::HelpPage{.page = g.helpPage, .text = std::move(text)}});
    }
    // The introduction is read once; then the three pages take turns.
    ++g.helpPage;
    if (g.helpPage > 3) g.helpPage = 1;
}

}  // namespace yacht
