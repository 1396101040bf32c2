#include "app/launch_choice.h"

#include <string_view>

#include "app/option_names.h"

namespace yacht {
namespace {

const OptionName* knownOption(std::string_view name)
{
    for (const OptionName& option : kGameOptions)
        if (name == option.name) return &option;
    for (const OptionName& option : kToolkitOptions)
        if (name == option.name) return &option;
    return nullptr;
}

bool answersWithoutGame(std::string_view name)
{
    for (const char* answer : {"h", "help", "version", "optimum", "simulate", "record", "record-export"})
        if (name == answer) return true;
    return false;
}

}  // namespace

LaunchOptions readLaunchOptions(const std::vector<std::string>& args)
{
    LaunchOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") break;                   // the rest are plain arguments
        if (arg.size() < 2 || arg[0] != '-') continue;  // a plain argument, "-" among them
        const size_t dashes = arg[1] == '-' ? 2 : 1;
        const size_t equals = arg.find('=');
        const std::string_view name =
            arg.substr(dashes, equals == std::string_view::npos ? std::string_view::npos : equals - dashes);
        const OptionName* option = knownOption(name);
        if (!option) continue;
        std::string value;
        if (option->takesValue) {
            if (equals != std::string_view::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                break;  // a value missing: the game's own reading refuses the command line
        }
        if (name == "terminal") options.terminal = true;
        if (name == "platform") options.platformNamed = true;
        if (name == "display") options.display = value;
        if (answersWithoutGame(name)) options.answerOnly = true;
    }
    return options;
}

GameExecutable chooseExecutable(const LaunchOptions& options, const StartPlace& place,
                                const std::function<bool()>& displayAvailable)
{
    if (options.answerOnly) return GameExecutable::Terminal;
    StartPlace where = place;
    where.terminalAsked = place.terminalAsked || options.terminal;
    switch (chooseFrontEnd(where, displayAvailable)) {
    case FrontEnd::Terminal:
    case FrontEnd::TerminalUnavailable:
        return GameExecutable::Terminal;
    case FrontEnd::Window:
    case FrontEnd::NoDisplay:
        break;
    }
    return GameExecutable::Window;
}

}  // namespace yacht
