// The terminal game's own executable: the game in a terminal on Qt's core event loop, linked
// without the window's libraries (no Qt Gui, Widgets or Multimedia), so it starts fast and holds
// little memory. `yacht` becomes it for a game in a terminal, with the same arguments.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

#include "app/early_answers.h"
#include "app/executables.h"
#include "app/game_language.h"
#include "app/qt_command_line.h"
#include "app/qt_terminal_game.h"
#include "narration/phrase_book.h"

int main(int argc, char** argv)
{
    const auto started = std::chrono::steady_clock::now();
    using namespace yacht;
    // The game in a terminal never touches a display, even inside a desktop's terminal: libpulse
    // would otherwise read the sound server's address from the X server's root window. Done
    // before any thread exists, so nothing reads the environment meanwhile.
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");

    const ParsedOptions parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << parsed.error << "\n";
        return 2;
    }
    const Options& options = parsed.options;
    chooseGameLanguage(options.language, catalogueFolder(runningProgramFolder(), YACHT_LOCALE_DIR));
    if (const auto status = answerWithoutGame(options)) return *status;
    if (isatty(STDIN_FILENO) != 1 || isatty(STDOUT_FILENO) != 1) {
        std::cerr << PhraseBook::translated(Wording::Full)[Phrase::TerminalNeedsTerminal] << "\n";
        return 1;
    }
    return playInTerminal(argc, argv, options, started);
}
