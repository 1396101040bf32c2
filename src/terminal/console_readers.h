#pragma once
// Whether something already reads the terminal aloud: Speakup in the kernel, Fenrir running for
// any user, the player's own Orca when the game was started from the desktop, or an ssh session
// (whose reader runs on the player's own machine). The terminal game then prints only, so the
// player never hears every text twice.

#include <functional>
#include <string>

namespace yacht {

// What was found of the screen readers a terminal game may be read by.
struct ConsoleReaders {
    bool speakup = false;  // /sys/accessibility/speakup/synth names a synthesiser
    bool fenrir = false;   // a Fenrir process runs
    bool orca = false;     // this user's Orca runs, and the game was started from the desktop
    bool ssh = false;      // the game runs in an ssh session
    bool any() const { return speakup || fenrir || orca || ssh; }
};

// Looks under `root` ("/" on a real system; a scratch folder in tests) for Speakup's synthesiser
// and for Fenrir and Orca among the processes, and in the environment for a display and ssh.
ConsoleReaders findConsoleReaders(const std::string& root,
                                  const std::function<std::string(const char*)>& environment);

// The speech engine the terminal game speaks through: an engine named on the command line or
// remembered wins ("screen-reader" meaning the one reading the terminal: print only); otherwise
// "none" when a reader was found, else "" (speech-dispatcher, as in the window).
std::string terminalSpeechEngine(const std::string& namedOrRemembered, const ConsoleReaders& readers);

}  // namespace yacht
