#pragma once
// The short list of voices the player steps through, picked from everything a speech server lists.

#include <string>
#include <vector>

namespace yacht {

// One voice as a speech server lists it.
struct SynthesisVoice {
    std::string name;      // the server's id, e.g. "English (Great Britain)"
    std::string language;  // e.g. "en-GB"
    std::string variant;   // a personality, or "none"
};

// One entry of the list the player steps through.
struct VoiceChoice {
    std::string name;         // what to ask the server for; empty when it has no name
    std::string language;
    std::string description;  // words fit to be spoken, e.g. "English, Great Britain"
};

// The server's default voice first (the one speaking `defaultLanguage`), then one voice for each
// other variety of English, in the server's order. Personalities of a voice are left out, so the
// list stays short enough to step through by ear. Never empty.
std::vector<VoiceChoice> chooseVoices(const std::vector<SynthesisVoice>& listed,
                                      const std::string& defaultLanguage);

// Words fit to be spoken for a listed voice: "English (America)" becomes "English, America";
// a bare language code such as "en-GB" becomes "English, United Kingdom".
std::string describeVoice(const SynthesisVoice& voice);

}  // namespace yacht
