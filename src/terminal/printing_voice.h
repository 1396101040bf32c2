#pragma once
// The terminal's voice: every text the game says is printed as plain lines before it is passed
// on to the voice that speaks it (or to silence, when a screen reader reads the lines).

#include "engine/forwarding_voice.h"
#include "terminal/terminal_lines.h"

namespace yacht {

// Prints what it is handed, then passes it on.
class PrintingVoice : public ForwardingVoice {
public:
    PrintingVoice(Voice& inner, LinePrinter& printer) : ForwardingVoice(inner), printer_(printer) {}
    void speak(const std::string& text, SpeakMode mode) override
    {
        printer_.print(text);
        inner().speak(text, mode);
    }

private:
    LinePrinter& printer_;
};

}  // namespace yacht
